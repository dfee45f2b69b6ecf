#include "health_bar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

QColor levelColour(KV_HealthLevel level)
{
    switch (level) {
    case KV_HealthLevel::Healthy:
        return QColor(0x2e, 0x9d, 0x3f);
    case KV_HealthLevel::Degraded:
        return QColor(0xf0, 0xa2, 0x00);
    case KV_HealthLevel::Failing:
        break;
    }
    return QColor(0xd3, 0x1f, 0x2f);
}

QPixmap drawIcon(KV_HealthLevel level, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    p.setPen(Qt::NoPen);
    p.setBrush(levelColour(level));
    QPen mark(Qt::white, s * 0.13, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    switch (level) {
    case KV_HealthLevel::Healthy: {
        p.drawEllipse(QRectF(s * 0.04, s * 0.04, s * 0.92, s * 0.92));
        p.setPen(mark);
        QPainterPath tick;
        tick.moveTo(s * 0.28, s * 0.52);
        tick.lineTo(s * 0.44, s * 0.68);
        tick.lineTo(s * 0.73, s * 0.34);
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
        break;
    }
    case KV_HealthLevel::Degraded: {
        QPainterPath triangle;
        triangle.moveTo(s * 0.5, s * 0.04);
        triangle.lineTo(s * 0.97, s * 0.93);
        triangle.lineTo(s * 0.03, s * 0.93);
        triangle.closeSubpath();
        p.drawPath(triangle);
        mark.setColor(Qt::black);
        p.setPen(mark);
        p.drawLine(QPointF(s * 0.5, s * 0.36), QPointF(s * 0.5, s * 0.62));
        p.drawPoint(QPointF(s * 0.5, s * 0.79));
        break;
    }
    case KV_HealthLevel::Failing:
        p.drawEllipse(QRectF(s * 0.04, s * 0.04, s * 0.92, s * 0.92));
        p.setPen(mark);
        p.drawLine(QPointF(s * 0.32, s * 0.32), QPointF(s * 0.68, s * 0.68));
        p.drawLine(QPointF(s * 0.68, s * 0.32), QPointF(s * 0.32, s * 0.68));
        break;
    }
    return pixmap;
}

} // namespace

QIcon KV_HealthIcon(KV_HealthLevel level)
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addPixmap(drawIcon(level, size));
    return icon;
}

KV_HealthBar::KV_HealthBar(QWidget *parent) : QFrame(parent), icon_(new QLabel), text_(new QLabel)
{
    setObjectName(QStringLiteral("healthBar"));
    text_->setObjectName(QStringLiteral("healthText"));
    text_->setWordWrap(true);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 3, 8, 3);
    layout->setSpacing(8);
    layout->addWidget(icon_);
    layout->addWidget(text_, 1);
}

void KV_HealthBar::setReport(const KV_HealthReport &report, bool dark, const QFont &font)
{
    level_ = report.level;
    arrayId_ = report.arrayId;
    // Background and text per level: pale with dark text in the light
    // theme, deep with light text in the dark one.
    static const char *const light[3][2] = {
        {"#dcefdc", "#1b5e20"}, {"#fff0c2", "#6b4200"}, {"#fbdcdc", "#9b0019"}};
    static const char *const deep[3][2] = {
        {"#1d3a22", "#a8e6b0"}, {"#4a3700", "#ffd66b"}, {"#4d1017", "#ffaab2"}};
    const char *const *colours = (dark ? deep : light)[int(report.level)];
    setStyleSheet(QStringLiteral("KV_HealthBar {background-color:%1; border-bottom:1px solid %2} "
                                 "KV_HealthBar QLabel {color:%2; background:transparent}")
                      .arg(QLatin1String(colours[0]), QLatin1String(colours[1])));
    QFont bold = font;
    bold.setWeight(report.level == KV_HealthLevel::Healthy ? QFont::Normal : QFont::DemiBold);
    text_->setFont(bold);
    text_->setText(report.line);
    const int side = QFontMetrics(bold).height();
    icon_->setPixmap(KV_HealthIcon(report.level).pixmap(side, side));
    QStringList lines;
    for (const KV_HealthFinding &finding : report.findings)
        lines.append(finding.text);
    setToolTip(lines.size() > 1 ? lines.join(QLatin1Char('\n')) : QString());
    setCursor(arrayId_ > 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

QString KV_HealthBar::text() const
{
    return text_->text();
}

void KV_HealthBar::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && arrayId_ > 0 &&
        rect().contains(event->position().toPoint()))
        emit arrayChosen(arrayId_);
    QFrame::mouseReleaseEvent(event);
}
