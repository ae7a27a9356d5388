// Draws the main window's own pictures (toolbar and menu fallbacks, the "up" and help pictures,
// the delete dialog's picture) into PNG files. Run once by hand when a picture changes:
//   QT_QPA_PLATFORM=offscreen build/bin/telvo-draw-main-icons resources/images
// The PNG files are kept in the repository and compiled into the program as resources.

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <functional>

namespace {

using Draw = std::function<void(QPainter&)>;

const QColor kInk(40, 40, 40);
const QColor kBlue(40, 110, 200);
const QColor kRed(210, 40, 40);
const QColor kGreen(40, 160, 60);
const QColor kOrange(240, 160, 30);
const QColor kPaper(250, 250, 245);

QFont sans(int pixels, bool bold = true) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void page(QPainter& p) {
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(kPaper);
    p.drawRect(QRectF(6.5, 3.5, 19, 25));
}

void lines(QPainter& p, int from = 9, int count = 5) {
    p.setPen(QPen(QColor(120, 120, 120), 1.5));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(10, from + i * 4), QPointF(22, from + i * 4));
}

void badge(QPainter& p, const QColor& colour, const QString& text, int pixels = 13) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(2, 5, 28, 22), 5, 5);
    p.setPen(Qt::white);
    p.setFont(sans(pixels));
    p.drawText(QRectF(2, 5, 28, 22), Qt::AlignCenter, text);
}

void plus(QPainter& p, const QColor& colour, QPointF centre, double half, double width) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(centre - QPointF(half, 0), centre + QPointF(half, 0));
    p.drawLine(centre - QPointF(0, half), centre + QPointF(0, half));
}

void cross(QPainter& p, const QColor& colour, QRectF box, double width) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(box.topLeft(), box.bottomRight());
    p.drawLine(box.topRight(), box.bottomLeft());
}

void arrow(QPainter& p, const QColor& colour, QPointF from, QPointF to, double width) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    const QLineF shaft(to, from);
    QLineF wing1 = shaft;
    wing1.setLength(width * 2.6);
    wing1.setAngle(shaft.angle() + 35);
    QLineF wing2 = shaft;
    wing2.setLength(width * 2.6);
    wing2.setAngle(shaft.angle() - 35);
    p.drawLine(wing1);
    p.drawLine(wing2);
}

void circleText(QPainter& p, const QColor& colour, QRectF box, const QString& text, int pixels) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(box);
    p.setPen(Qt::white);
    p.setFont(sans(pixels));
    p.drawText(box, Qt::AlignCenter, text);
}

void box(QPainter& p) {
    p.setPen(QPen(QColor(120, 80, 30), 1.5));
    p.setBrush(QColor(215, 170, 100));
    p.drawRect(QRectF(4.5, 14.5, 23, 14));
    p.drawLine(QPointF(4.5, 18.5), QPointF(27.5, 18.5));
}

const QList<std::pair<const char*, Draw>>& icons() {
    static const QList<std::pair<const char*, Draw>> list = {
        {"tb_exit.png",
         [](QPainter& p) {
             p.setPen(QPen(QColor(110, 70, 30), 1.5));
             p.setBrush(QColor(190, 130, 70));
             p.drawRect(QRectF(4.5, 3.5, 14, 25));
             p.setBrush(QColor(250, 220, 80));
             p.drawEllipse(QPointF(15, 16), 1.5, 1.5);
             arrow(p, kGreen, QPointF(14, 16), QPointF(29, 16), 3);
         }},
        {"tb_add.png",
         [](QPainter& p) {
             page(p);
             lines(p, 9, 3);
             plus(p, kGreen, QPointF(21, 22), 8, 4);
         }},
        {"tb_insert.png",
         [](QPainter& p) {
             page(p);
             lines(p, 8, 2);
             lines(p, 22, 2);
             arrow(p, kBlue, QPointF(2, 16), QPointF(20, 16), 3);
         }},
        {"tb_edit.png",
         [](QPainter& p) {
             page(p);
             lines(p, 9, 4);
             p.save();
             p.translate(19, 17);
             p.rotate(45);
             p.setPen(QPen(kInk, 1));
             p.setBrush(QColor(250, 200, 40));
             p.drawRect(QRectF(-3, -13, 6, 20));
             p.setBrush(QColor(240, 160, 150));
             p.drawRect(QRectF(-3, -16, 6, 3));
             QPainterPath tip;
             tip.moveTo(-3, 7);
             tip.lineTo(3, 7);
             tip.lineTo(0, 13);
             tip.closeSubpath();
             p.setBrush(QColor(230, 200, 160));
             p.drawPath(tip);
             p.restore();
         }},
        {"tb_delete.png",
         [](QPainter& p) {
             page(p);
             lines(p, 9, 4);
             cross(p, kRed, QRectF(12, 12, 16, 16), 4);
         }},
        {"tb_example.png",
         [](QPainter& p) {
             page(p);
             lines(p, 13, 4);
             p.setPen(kBlue);
             p.setFont(sans(14));
             p.drawText(QRectF(8, 1, 16, 14), Qt::AlignCenter, QStringLiteral("\u201C\u201D"));
         }},
        {"tb_find.png",
         [](QPainter& p) {
             p.setPen(QPen(kInk, 3));
             p.setBrush(QColor(200, 230, 250));
             p.drawEllipse(QPointF(13, 13), 8, 8);
             p.setPen(QPen(QColor(120, 80, 30), 5, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(19, 19), QPointF(27, 27));
         }},
        {"tb_jump.png",
         [](QPainter& p) {
             p.setPen(QPen(kInk, 1.5));
             p.setBrush(Qt::white);
             p.drawRoundedRect(QRectF(4.5, 4.5, 23, 23), 4, 4);
             p.setPen(Qt::NoPen);
             p.setBrush(kRed);
             for (QPointF dot : {QPointF(10, 10), QPointF(16, 16), QPointF(22, 22), QPointF(22, 10),
                                 QPointF(10, 22)})
                 p.drawEllipse(dot, 2.2, 2.2);
         }},
        {"tb_english.png", [](QPainter& p) { badge(p, kBlue, QStringLiteral("En")); }},
        {"tb_russian.png", [](QPainter& p) { badge(p, kRed, QStringLiteral("Ру")); }},
        {"tb_from_english.png",
         [](QPainter& p) { badge(p, QColor(60, 90, 170), QStringLiteral("E→Р"), 10); }},
        {"tb_from_russian.png",
         [](QPainter& p) { badge(p, QColor(170, 60, 90), QStringLiteral("Р→E"), 10); }},
        {"tb_pairs.png",
         [](QPainter& p) {
             p.setPen(QPen(kInk, 1.5));
             p.setBrush(QColor(200, 225, 250));
             p.drawRect(QRectF(2.5, 4.5, 10, 8));
             p.drawRect(QRectF(2.5, 19.5, 10, 8));
             p.setBrush(QColor(250, 215, 215));
             p.drawRect(QRectF(19.5, 4.5, 10, 8));
             p.drawRect(QRectF(19.5, 19.5, 10, 8));
             p.setPen(QPen(kGreen, 2));
             p.drawLine(QPointF(12.5, 8.5), QPointF(19.5, 23.5));
             p.drawLine(QPointF(12.5, 23.5), QPointF(19.5, 8.5));
         }},
        {"tb_reset_histories.png",
         [](QPainter& p) {
             p.setPen(QPen(kBlue, 3, Qt::SolidLine, Qt::RoundCap));
             p.setBrush(Qt::NoBrush);
             p.drawArc(QRectF(5, 5, 22, 22), 100 * 16, 290 * 16);
             p.setPen(Qt::NoPen);
             p.setBrush(kBlue);
             QPainterPath head;
             head.moveTo(9, 2);
             head.lineTo(17, 6);
             head.lineTo(10, 11);
             head.closeSubpath();
             p.drawPath(head);
             p.setPen(QPen(kInk, 2));
             p.drawLine(QPointF(16, 16), QPointF(16, 10));
             p.drawLine(QPointF(16, 16), QPointF(20, 18));
         }},
        {"tb_reset_forgotten.png",
         [](QPainter& p) {
             plus(p, kRed, QPointF(13, 13), 9, 5);
             cross(p, kInk, QRectF(17, 17, 11, 11), 2.5);
         }},
        {"tb_reset_marks.png",
         [](QPainter& p) {
             p.setPen(Qt::NoPen);
             p.setBrush(kOrange);
             p.drawRect(QRectF(3, 3, 18, 18));
             cross(p, kInk, QRectF(17, 17, 11, 11), 2.5);
         }},
        {"tb_forgotten.png", [](QPainter& p) { plus(p, kRed, QPointF(16, 16), 11, 6); }},
        {"tb_mark.png",
         [](QPainter& p) {
             p.setPen(QPen(kInk, 2));
             p.drawLine(QPointF(7, 4), QPointF(7, 29));
             p.setPen(Qt::NoPen);
             p.setBrush(kOrange);
             p.drawRect(QRectF(8, 5, 18, 12));
         }},
        {"tb_by_date.png",
         [](QPainter& p) {
             p.setPen(QPen(kInk, 1.5));
             p.setBrush(Qt::white);
             p.drawRect(QRectF(4.5, 6.5, 23, 21));
             p.setBrush(kRed);
             p.drawRect(QRectF(4.5, 6.5, 23, 6));
             p.setPen(kInk);
             p.setFont(sans(10));
             p.drawText(QRectF(4, 12, 24, 16), Qt::AlignCenter, QStringLiteral("31"));
         }},
        {"tb_by_numbers.png",
         [](QPainter& p) { badge(p, QColor(90, 90, 90), QStringLiteral("1-9"), 11); }},
        {"tb_link.png",
         [](QPainter& p) {
             p.setBrush(Qt::NoBrush);
             p.setPen(QPen(QColor(100, 100, 110), 3));
             p.drawRoundedRect(QRectF(3, 10, 15, 10), 5, 5);
             p.setPen(QPen(kOrange, 3));
             p.drawRoundedRect(QRectF(14, 12, 15, 10), 5, 5);
         }},
        {"tb_filter.png",
         [](QPainter& p) {
             QPainterPath funnel;
             funnel.moveTo(3, 5);
             funnel.lineTo(29, 5);
             funnel.lineTo(19, 17);
             funnel.lineTo(19, 27);
             funnel.lineTo(13, 24);
             funnel.lineTo(13, 17);
             funnel.closeSubpath();
             p.setPen(QPen(kInk, 1.5));
             p.setBrush(QColor(251, 236, 120));
             p.drawPath(funnel);
         }},
        {"tb_exclude.png",
         [](QPainter& p) {
             p.setPen(Qt::NoPen);
             p.setBrush(QColor(154, 215, 90));
             p.drawRect(QRectF(4, 4, 24, 24));
             p.setPen(kInk);
             p.setFont(sans(18));
             p.drawText(QRectF(4, 2, 24, 24), Qt::AlignCenter, QStringLiteral("x"));
         }},
        {"tb_transcription.png",
         [](QPainter& p) {
             p.setPen(kBlue);
             p.setFont(sans(15, false));
             p.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("[ə]"));
         }},
        {"tb_goto.png",
         [](QPainter& p) {
             p.setPen(kInk);
             p.setFont(sans(16));
             p.drawText(QRectF(0, 4, 18, 24), Qt::AlignCenter, QStringLiteral("#"));
             arrow(p, kGreen, QPointF(16, 16), QPointF(29, 16), 2.5);
         }},
        {"tb_range.png",
         [](QPainter& p) {
             p.setPen(Qt::NoPen);
             p.setBrush(QColor(255, 200, 230));
             p.drawRect(QRectF(8, 6, 16, 20));
             p.setPen(QPen(kInk, 2.5));
             p.drawPolyline(QList<QPointF>{{10, 4}, {5, 4}, {5, 28}, {10, 28}});
             p.drawPolyline(QList<QPointF>{{22, 4}, {27, 4}, {27, 28}, {22, 28}});
         }},
        {"tb_groups.png",
         [](QPainter& p) {
             p.setPen(QPen(kInk, 1.5));
             const QColor colours[] = {QColor(200, 225, 250), QColor(220, 250, 200),
                                       QColor(250, 230, 190)};
             for (int i = 0; i < 3; ++i) {
                 p.setBrush(colours[i]);
                 p.drawRect(QRectF(3.5 + i * 5, 3.5 + i * 6, 18, 13));
             }
         }},
        {"tb_idioms.png",
         [](QPainter& p) {
             QPainterPath bubble;
             bubble.addRoundedRect(QRectF(2.5, 4.5, 27, 18), 6, 6);
             bubble.moveTo(8, 22);
             bubble.lineTo(6, 29);
             bubble.lineTo(14, 22);
             p.setPen(QPen(kInk, 1.5));
             p.setBrush(QColor(230, 240, 255));
             p.drawPath(bubble.simplified());
             p.setPen(kBlue);
             p.setFont(sans(10));
             p.drawText(QRectF(2, 4, 28, 18), Qt::AlignCenter, QStringLiteral("a b"));
         }},
        {"tb_player.png",
         [](QPainter& p) {
             p.setPen(Qt::NoPen);
             p.setBrush(kGreen);
             p.drawEllipse(QRectF(2, 2, 28, 28));
             QPainterPath play;
             play.moveTo(12, 9);
             play.lineTo(23, 16);
             play.lineTo(12, 23);
             play.closeSubpath();
             p.setBrush(Qt::white);
             p.drawPath(play);
         }},
        {"tb_sound_folder.png",
         [](QPainter& p) {
             p.setPen(QPen(QColor(150, 110, 20), 1.5));
             p.setBrush(QColor(245, 200, 80));
             p.drawRect(QRectF(2.5, 9.5, 27, 18));
             p.drawRect(QRectF(2.5, 6.5, 11, 4));
             p.setPen(kInk);
             p.setFont(sans(14));
             p.drawText(QRectF(2, 9, 28, 18), Qt::AlignCenter, QStringLiteral("♪"));
         }},
        {"tb_signs.png",
         [](QPainter& p) {
             p.setPen(QPen(kInk, 1.5));
             p.setBrush(Qt::white);
             p.drawRect(QRectF(3.5, 3.5, 25, 25));
             p.setPen(kRed);
             p.setFont(sans(17, false));
             p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, QStringLiteral("ʃ"));
         }},
        {"tb_notepad.png",
         [](QPainter& p) {
             page(p);
             lines(p, 11, 4);
             p.setPen(QPen(kBlue, 2));
             for (int x = 9; x <= 23; x += 4)
                 p.drawLine(QPointF(x, 1), QPointF(x, 6));
         }},
        {"tb_archive.png",
         [](QPainter& p) {
             box(p);
             arrow(p, kBlue, QPointF(16, 1), QPointF(16, 13), 3);
         }},
        {"tb_restore.png",
         [](QPainter& p) {
             box(p);
             arrow(p, kGreen, QPointF(16, 13), QPointF(16, 1), 3);
         }},
        {"tb_manual.png",
         [](QPainter& p) {
             p.setPen(QPen(QColor(20, 60, 120), 1.5));
             p.setBrush(kBlue);
             p.drawRect(QRectF(5.5, 3.5, 21, 25));
             p.setPen(Qt::white);
             p.setFont(sans(16));
             p.drawText(QRectF(5, 3, 22, 26), Qt::AlignCenter, QStringLiteral("?"));
         }},
        {"tb_download.png",
         [](QPainter& p) {
             p.setPen(QPen(kInk, 2.5));
             p.drawPolyline(QList<QPointF>{{4, 20}, {4, 28}, {28, 28}, {28, 20}});
             arrow(p, kBlue, QPointF(16, 2), QPointF(16, 22), 3);
         }},
        {"tb_about.png",
         [](QPainter& p) { circleText(p, kBlue, QRectF(3, 3, 26, 26), QStringLiteral("i"), 18); }},
        {"Вверх.png",
         [](QPainter& p) {
             p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(5, 4), QPointF(27, 4));
             arrow(p, kBlue, QPointF(16, 29), QPointF(16, 9), 4);
         }},
    };
    return list;
}

bool save(const QString& folder, const char* name, int size, const Draw& draw) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(size / 32.0, size / 32.0);
        draw(p);
    }
    const QString path = folder + u'/' + QString::fromUtf8(name);
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    bool ok = true;
    for (const auto& [name, draw] : icons())
        ok = save(folder, name, 32, draw) && ok;
    ok = save(folder, "help.png", 48,
              [](QPainter& p) {
                  circleText(p, kBlue, QRectF(2, 2, 28, 28), QStringLiteral("?"), 20);
              }) &&
         ok;
    ok = save(folder, "delete.png", 64,
              [](QPainter& p) {
                  // A waste bin with a red cross.
                  p.setPen(QPen(QColor(70, 70, 80), 1.2));
                  p.setBrush(QColor(180, 185, 195));
                  QPainterPath bin;
                  bin.moveTo(7, 9);
                  bin.lineTo(25, 9);
                  bin.lineTo(23, 30);
                  bin.lineTo(9, 30);
                  bin.closeSubpath();
                  p.drawPath(bin);
                  p.drawRect(QRectF(5, 6, 22, 3));
                  p.drawRect(QRectF(13, 4, 6, 2));
                  p.setPen(QPen(QColor(110, 110, 120), 1.2));
                  for (double x : {12.0, 16.0, 20.0})
                      p.drawLine(QPointF(x, 12), QPointF(x, 27));
                  cross(p, kRed, QRectF(17, 15, 12, 12), 3);
              }) &&
         ok;
    return ok ? 0 : 1;
}
