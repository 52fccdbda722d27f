// The pictures of the sample folder: the default console background and the pictures the
// sample consoles show (a logo, a club title and a stage plan).
#include <QDir>
#include <QPainterPath>
#include <QRadialGradient>

#include <random>
#include <stdexcept>

#include "core/folders.h"
#include "sample_art.h"
#include "sample_data.h"

namespace samples {

namespace {

// Brushed dark metal with a faint vignette. It is stretched over the whole console, so it
// holds no shape that would show the stretch.
QImage StageBackground()
{
    const QSize size(512, 384);
    QImage image(size, QImage::Format_RGB32);
    std::mt19937 random(2024);
    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    const qreal reach = std::hypot(centre.x(), centre.y());
    // Horizontal streaks: a value per row, varied a little along it.
    std::vector<int> rowShade(std::size_t(size.height()));
    for (int &shade : rowShade)
        shade = int(random() % 7) - 3;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const qreal distance = std::hypot(x - centre.x(), y - centre.y()) / reach;
            const int vignette = int(10 * distance * distance);
            const int grain = int(random() % 5) - 2;
            const int base = 30 + rowShade[std::size_t(y)] + grain - vignette;
            image.setPixel(x, y, qRgb(base - 3, base - 2, base + 2));
        }
    }
    return image;
}

QImage Logo()
{
    const QSize size(260, 64);
    QImage image = NewImage(size.width(), size.height());
    QPainter painter(&image);
    PreparePainter(painter);

    // A spotlight throwing an amber cone down to the right.
    QImage beam = NewImage(size.width(), size.height());
    {
        QPainter light(&beam);
        PreparePainter(light);
        QPainterPath cone;
        cone.moveTo(18, 16);
        cone.lineTo(58, 58);
        cone.lineTo(30, 62);
        cone.closeSubpath();
        QLinearGradient fade(QPointF(18, 16), QPointF(44, 62));
        fade.setColorAt(0, QColor(255, 190, 90, 230));
        fade.setColorAt(1, QColor(255, 150, 40, 20));
        light.setPen(Qt::NoPen);
        light.setBrush(fade);
        light.drawPath(cone);
    }
    painter.drawImage(0, 0, Blurred(beam, 3));
    painter.drawImage(0, 0, beam);
    painter.save();
    painter.translate(16, 14);
    painter.rotate(45);
    DrawKey(painter, QRectF(-11, -8, 22, 16), 4, false, palette::kAmber);
    painter.restore();
    DrawLed(painter, QPointF(20, 18), 3, palette::kAmber, true);

    QFont title = ArtFont(32, QFont::Black);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    DrawEngraved(painter, QRectF(66, 4, size.width() - 66, 38), QStringLiteral("KORVANE"), title,
                 QColor(0xec, 0xed, 0xf0), Qt::AlignLeft | Qt::AlignVCenter);
    painter.fillRect(QRectF(68, 43, 186, 2), palette::kAmber);
    QFont subtitle = ArtFont(11);
    subtitle.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    DrawEngraved(painter, QRectF(68, 46, size.width() - 68, 16), QStringLiteral("LIGHTING CONSOLES"), subtitle,
                 palette::kMarking, Qt::AlignLeft | Qt::AlignVCenter);
    return image;
}

// The club's name as a neon sign.
QImage ClubTitle()
{
    const QSize size(330, 70);
    QImage tubes = NewImage(size.width(), size.height());
    {
        QPainter painter(&tubes);
        PreparePainter(painter);
        QFont font = ArtFont(40, QFont::Black);
        font.setItalic(true);
        font.setLetterSpacing(QFont::AbsoluteSpacing, 3);
        QPainterPath text;
        text.addText(QPointF(14, 48), font, QStringLiteral("CLUB NIGHT"));
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(0xff, 0x3d, 0xc8), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(text);
        painter.setPen(QPen(QColor(0x3d, 0xe8, 0xff), 3, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(18, 60), QPointF(310, 60));
    }
    QImage image = NewImage(size.width(), size.height());
    QPainter painter(&image);
    PreparePainter(painter);
    painter.drawImage(0, 0, Blurred(tubes, 6));
    painter.drawImage(0, 0, Blurred(tubes, 3));
    painter.drawImage(0, 0, tubes);
    // The hot white core of each tube.
    QImage core = tubes;
    {
        QPainter whiten(&core);
        whiten.setCompositionMode(QPainter::CompositionMode_SourceIn);
        whiten.fillRect(core.rect(), QColor(255, 255, 255, 150));
    }
    painter.drawImage(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), core);
    return image;
}

// A plan of the stage seen from above, as the theatre's lighting designer drew it.
QImage StagePlan()
{
    const QSize size(300, 200);
    QImage image = NewImage(size.width(), size.height());
    QPainter painter(&image);
    PreparePainter(painter);
    const QRectF sheet(0.5, 0.5, size.width() - 1, size.height() - 1);
    painter.setPen(QPen(QColor(0x3a, 0x4c, 0x60), 1));
    painter.setBrush(QColor(0x12, 0x1b, 0x26));
    painter.drawRoundedRect(sheet, 4, 4);
    painter.setPen(QPen(QColor(0x1d, 0x2a, 0x38), 1));
    for (int x = 20; x < size.width(); x += 20)
        painter.drawLine(QPointF(x + 0.5, 1), QPointF(x + 0.5, size.height() - 1));
    for (int y = 20; y < size.height(); y += 20)
        painter.drawLine(QPointF(1, y + 0.5), QPointF(size.width() - 1, y + 0.5));

    const QColor ink(0xc8, 0xd8, 0xea);
    const QColor dimInk(0x7d, 0x92, 0xaa);
    // The stage with its apron, and the cyclorama upstage.
    QPainterPath stage;
    stage.moveTo(40, 30);
    stage.lineTo(260, 30);
    stage.lineTo(260, 140);
    stage.quadTo(150, 165, 40, 140);
    stage.closeSubpath();
    painter.setPen(QPen(ink, 1.5));
    painter.setBrush(QColor(0x1c, 0x2a, 0x3a));
    painter.drawPath(stage);
    painter.setPen(QPen(dimInk, 1, Qt::DashLine));
    painter.drawLine(QPointF(50, 38), QPointF(250, 38));

    // Three bars of lanterns: backs (blue), mids (warm), and the moving light upstage centre.
    const auto bar = [&](qreal y, const QColor &colour, int first, int count) {
        painter.setPen(QPen(dimInk, 2));
        painter.drawLine(QPointF(56, y), QPointF(244, y));
        for (int i = 0; i < count; ++i) {
            const QPointF at(70 + i * (160.0 / (count - 1)), y);
            painter.setPen(QPen(Qt::black, 1));
            painter.setBrush(colour);
            painter.drawEllipse(at, 6, 6);
            painter.setPen(Qt::black);
            painter.setFont(ArtFont(8));
            painter.drawText(QRectF(at.x() - 6, at.y() - 6, 12, 12), Qt::AlignCenter, QString::number(first + i));
        }
    };
    bar(56, QColor(0x5a, 0x8c, 0xff), 1, 5);
    bar(96, QColor(0xff, 0xd0, 0x8a), 6, 5);
    // The moving light: a diamond, and the arc it can reach.
    const QPointF mover(150, 76);
    painter.setPen(QPen(palette::kAmber, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(mover, 30, 13);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(palette::kAmber);
    QPolygonF diamond({mover + QPointF(0, -7), mover + QPointF(7, 0), mover + QPointF(0, 7), mover + QPointF(-7, 0)});
    painter.drawPolygon(diamond);
    DrawEngraved(painter, QRectF(mover.x() + 9, mover.y() - 16, 40, 12), QStringLiteral("ML1"), ArtFont(9),
                 palette::kAmber, Qt::AlignLeft | Qt::AlignVCenter);
    // Front-of-house bar, over the audience.
    painter.setPen(QPen(dimInk, 2));
    painter.drawLine(QPointF(70, 170), QPointF(230, 170));
    for (int i = 0; i < 4; ++i) {
        const QPointF at(90 + i * 40, 170);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(QColor(0xf4, 0xf0, 0xe8));
        painter.drawEllipse(at, 6, 6);
        painter.setPen(Qt::black);
        painter.setFont(ArtFont(8));
        painter.drawText(QRectF(at.x() - 6, at.y() - 6, 12, 12), Qt::AlignCenter, QString::number(11 + i));
    }
    const QFont small = ArtFont(9);
    DrawEngraved(painter, QRectF(8, 6, 120, 14), QStringLiteral("STAGE PLAN"), ArtFont(10), ink,
                 Qt::AlignLeft | Qt::AlignVCenter);
    DrawEngraved(painter, QRectF(236, 6, 58, 14), QStringLiteral("US"), small, dimInk, Qt::AlignRight | Qt::AlignVCenter);
    DrawEngraved(painter, QRectF(8, 180, 284, 14), QStringLiteral("AUDIENCE"), small, dimInk, Qt::AlignCenter);
    DrawEngraved(painter, QRectF(236, 124, 58, 14), QStringLiteral("DS"), small, dimInk, Qt::AlignRight | Qt::AlignVCenter);
    return image;
}

void SaveBmp(const QImage &image, const QString &folder, const char *name)
{
    const QString path = QDir(folder).filePath(QString::fromLatin1(name));
    if (!image.save(path, "BMP"))
        throw std::runtime_error("cannot write " + path.toStdString());
}

} // namespace

void WritePictures(const QString &appFolder)
{
    const QString folder = korvane::CAppFolders(appFolder).BackgroundFolder();
    QDir().mkpath(folder);
    SaveBmp(StageBackground(), folder, picture::kDefaultBackground);
    SavePng(Logo(), folder, QString::fromLatin1(picture::kLogo));
    SavePng(ClubTitle(), folder, QString::fromLatin1(picture::kClubTitle));
    SavePng(StagePlan(), folder, QString::fromLatin1(picture::kStagePlan));
}

} // namespace samples
