// Turns the user guide's Markdown source into its PDF, at build time.
//   render_guide SOURCE.md TARGET.pdf
#include <QFile>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QTextDocument>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: render_guide SOURCE.md TARGET.pdf\n");
        return 2;
    }
    QFile source(arguments.at(1));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "render_guide: cannot read %s\n", qPrintable(arguments.at(1)));
        return 1;
    }
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("Sans Serif"), 10));
    document.setMarkdown(QString::fromUtf8(source.readAll()));

    QPdfWriter pdf(arguments.at(2));
    pdf.setTitle(QStringLiteral("Velmora User Guide"));
    pdf.setCreator(QStringLiteral("Velmora"));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    pdf.setResolution(300);
    document.print(&pdf);
    if (QFile(arguments.at(2)).size() == 0) {
        std::fprintf(stderr, "render_guide: nothing written to %s\n", qPrintable(arguments.at(2)));
        return 1;
    }
    return 0;
}
