// The health line above the lists: the health verdict's one line on the
// colour of its level, with an icon whose shape tells the level as well, so
// that colour is never the only signal. Clicking it chooses the array the
// line is about.
#pragma once

#include "kv_health.h"

#include <QFrame>
#include <QIcon>

class QLabel;

// The level's icon: a green disc with a tick, an amber triangle with an
// exclamation mark, a red disc with a cross.
QIcon KV_HealthIcon(KV_HealthLevel level);

class KV_HealthBar : public QFrame {
    Q_OBJECT
public:
    explicit KV_HealthBar(QWidget *parent = nullptr);

    // Shows `report` in the theme's colours (`dark`) and the lists' font.
    void setReport(const KV_HealthReport &report, bool dark, const QFont &font);
    QString text() const;
    KV_HealthLevel level() const { return level_; }

signals:
    // The line was clicked while it is about this array.
    void arrayChosen(int arrayId);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QLabel *icon_;
    QLabel *text_;
    KV_HealthLevel level_ = KV_HealthLevel::Healthy;
    int arrayId_ = 0;
};
