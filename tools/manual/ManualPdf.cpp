// Renders the user manual, written in Markdown with pictures beside it, into a PDF file:
//   telvo-manual-pdf SOURCE.md OUTPUT.pdf
// Runs during the build, so it needs no display.

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>

#include <cstdio>

namespace {

int fail(const QString& text) {
    std::fprintf(stderr, "telvo-manual-pdf: %s\n", qPrintable(text));
    return 1;
}

// Pictures wider than the text are scaled down to its width, keeping their proportions;
// a picture that cannot be read fails the build rather than leaving a hole in the manual.
QString fitPictures(QTextDocument& doc, const QString& folder, qreal width) {
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (!f.charFormat().isImageFormat())
                continue;
            QTextImageFormat image = f.charFormat().toImageFormat();
            const QString path = folder + QLatin1Char('/') + image.name();
            const QImage picture(path);
            if (picture.isNull())
                return path;
            qreal w = picture.width(), h = picture.height();
            if (w > width) {
                h = h * width / w;
                w = width;
            }
            // The printed copy of the document finds the picture by its full name.
            image.setName(path);
            doc.addResource(QTextDocument::ImageResource, QUrl(path), picture);
            image.setWidth(w);
            image.setHeight(h);
            QTextCursor c(&doc);
            c.setPosition(f.position());
            c.setPosition(f.position() + f.length(), QTextCursor::KeepAnchor);
            c.setCharFormat(image);
        }
    }
    return {};
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return fail(QStringLiteral("usage: telvo-manual-pdf SOURCE.md OUTPUT.pdf"));
    QFile source(args[1]);
    if (!source.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read ") + args[1]);
    const QString folder = QFileInfo(args[1]).absolutePath();

    QTextDocument doc;
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans")});
    font.setPointSize(10);
    doc.setDefaultFont(font);
    doc.setBaseUrl(QUrl::fromLocalFile(folder + QLatin1Char('/')));
    doc.setDefaultStyleSheet(QStringLiteral("h1 { color: #1f3f77; } h2 { color: #1f3f77; }"));
    doc.setMarkdown(QString::fromUtf8(source.readAll()));

    QPdfWriter writer(args[2] + QStringLiteral(".part"));
    writer.setTitle(QStringLiteral("Лексикар (Telvo: Vocabulary). Руководство пользователя"));
    writer.setCreator(QStringLiteral("telvo-manual-pdf"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(18, 16, 18, 16), QPageLayout::Millimeter));
    // QTextDocument::print lays the text out in points of a page this wide.
    const qreal textWidth = writer.pageLayout().paintRect(QPageLayout::Point).width();
    if (const QString bad = fitPictures(doc, folder, textWidth * 0.9); !bad.isEmpty())
        return fail(QStringLiteral("cannot read the picture ") + bad);
    doc.print(&writer);
    // The finished file takes the name only once it is whole.
    QFile::remove(args[2]);
    if (!QFile::rename(args[2] + QStringLiteral(".part"), args[2]))
        return fail(QStringLiteral("cannot write ") + args[2]);
    return 0;
}
