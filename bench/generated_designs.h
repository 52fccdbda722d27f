// Designs generated for the benchmarks: each with ten images of the sizes usual for console
// controls, covering every part a design can have, written to a temporary application folder.
#pragma once

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QStringList>
#include <QTemporaryDir>

#include <fstream>
#include <string>

namespace korvane::bench {

struct DesignImage
{
    const char *file;
    int width;
    int height;
};

// The ten images of each design, at sizes usual for console controls.
constexpr DesignImage kImages[] = {
    {"off", 80, 40},       {"on", 80, 40},     {"dial", 64, 64},      {"pointer", 16, 16},
    {"vtrack", 40, 200},   {"vknob", 40, 20},  {"wheelbg", 60, 120},  {"wheelstrip", 600, 60},
    {"groupbg", 300, 60},  {"incdecbg", 120, 40},
};

QImage Artwork(int width, int height, int seed)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, width, height);
    gradient.setColorAt(0, QColor::fromHsv(seed * 7 % 360, 200, 230));
    gradient.setColorAt(1, QColor::fromHsv(seed * 13 % 360, 180, 60));
    painter.setBrush(gradient);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawRoundedRect(QRectF(1, 1, width - 2, height - 2), 6, 6);
    return image;
}

class DesignFolder
{
public:
    explicit DesignFolder(int count)
    {
        const QString folder = m_app.path() + QStringLiteral("/_Common/console/_ccd/");
        QDir().mkpath(folder);
        for (int d = 0; d < count; ++d) {
            const QString prefix = QStringLiteral("d%1_").arg(d, 3, 10, QLatin1Char('0'));
            for (const DesignImage &image : kImages) {
                const QString path = folder + prefix + QLatin1String(image.file) + QStringLiteral(".png");
                Artwork(image.width, image.height, d).save(path, "PNG");
                m_images.append(path);
            }
            m_designs.append(prefix + QStringLiteral("design.ccd"));
            const std::string p = prefix.toStdString();
            std::ofstream(QFile::encodeName(folder + prefix + QStringLiteral("design.ccd")).toStdString())
                << "<config_control_design Author=\"orlen\" Version=\"1.0\">\r\n"
                << "  <RotSlider Image=\"" << p << "dial.png\" ImageCursor=\"" << p << "pointer.png\" />\r\n"
                << "  <LinearSliderVert>\r\n    <Background Image=\"" << p << "vtrack.png\" />\r\n"
                << "    <Cursor ImageCursor=\"" << p << "vknob.png\" offset_x=\"0\" offset_y=\"0\" />\r\n"
                << "  </LinearSliderVert>\r\n"
                << "  <Button ImageOff=\"" << p << "off.png\" ImageOn=\"" << p << "on.png\" />\r\n"
                << "  <Wheel Background=\"" << p << "wheelbg.png\" Images=\"" << p
                << "wheelstrip.png\" TransparentBackground=\"0\" nbImages=\"10\" />\r\n"
                << "  <GroupIncDec Background=\"" << p << "incdecbg.png\" TransparentBackground=\"0\">\r\n"
                << "    <Display nbImages=\"0\" x=\"0\" y=\"0\" />\r\n  </GroupIncDec>\r\n"
                << "  <GroupButtons Background=\"" << p << "groupbg.png\" TransparentBackground=\"0\">\r\n"
                << "    <Button x=\"0\" y=\"0\" cx=\"80\" cy=\"40\" />\r\n"
                << "    <Button x=\"100\" y=\"0\" cx=\"80\" cy=\"40\" />\r\n  </GroupButtons>\r\n"
                << "</config_control_design>\r\n";
        }
    }

    QString AppFolder() const { return m_app.path(); }
    const QStringList &Images() const { return m_images; }
    // The file names of the designs, in the order they were made.
    const QStringList &DesignNames() const { return m_designs; }

private:
    QTemporaryDir m_app;
    QStringList m_images;
    QStringList m_designs;
};

} // namespace korvane::bench
