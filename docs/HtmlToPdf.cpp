// Sets an HTML document as a paged A4 PDF with page numbers; with --png it also renders the first
// page as a picture. Used by the build to make the user manual.
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: %s input.html output.pdf [--png first-page.png]\n", argv[0]);
        return 2;
    }
    QFile input(args.at(1));
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    QTextDocument document;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(10);
    document.setDefaultFont(font);
    document.setHtml(QString::fromUtf8(input.readAll()));

    QPdfWriter writer(args.at(2));
    writer.setTitle(QStringLiteral("Datolux - Bedienungsanleitung"));
    writer.setCreator(QStringLiteral("Datolux"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 18, 20, 18),
                                     QPageLayout::Millimeter));
    document.print(&writer);
    if (!QFile::exists(args.at(2))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args.at(2)));
        return 1;
    }

    if (args.size() >= 5 && args.at(3) == QLatin1String("--png")) {
        // Page 1 at 96 dpi, scaled twice: A4 less the margins, as the PDF pages are set.
        const QSizeF page(595.0 * 96 / 72 - 2 * 20 * 96 / 25.4, 842.0 * 96 / 72 - 2 * 18 * 96 / 25.4);
        document.setPageSize(page);
        QImage image((page * 2).toSize(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.scale(2, 2);
        document.drawContents(&painter, QRectF(QPointF(0, 0), page));
        painter.end();
        if (!image.save(args.at(4)))
            return 1;
    }
    return 0;
}
