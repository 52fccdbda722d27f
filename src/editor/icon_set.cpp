// The command icons, rendered from the SVG files of the program's resources.
#include "editor/icon_set.h"

#include <QFile>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <memory>

// The resources live in this static library; naming their initialiser here makes the linker
// keep them in every program that shows the icons. Q_INIT_RESOURCE must be used from the global
// namespace.
static void InitIconResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(icons);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace korvane {
namespace {

// The neutral colour written in the files, replaced by the palette's.
constexpr char kFileNeutral[] = "#D6D6D6";
// How much of the window colour the neutral takes from the text colour's full contrast.
constexpr double kNeutralSoftening = 0.16;
constexpr double kDisabledOpacity = 0.35;

QColor Mix(const QColor &a, const QColor &b, double bShare)
{
    const auto channel = [bShare](int x, int y) { return qRound(x * (1.0 - bShare) + y * bShare); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()), channel(a.blue(), b.blue()));
}

// Draws one SVG at any size and mode; the pixmaps are kept once made.
class CSvgIconEngine : public QIconEngine
{
public:
    explicit CSvgIconEngine(QByteArray svg) : m_svg(std::move(svg)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        QSvgRenderer renderer(m_svg);
        painter->save();
        if (mode == QIcon::Disabled)
            painter->setOpacity(painter->opacity() * kDisabledOpacity);
        const int side = qMin(rect.width(), rect.height());
        renderer.render(painter, QRectF(rect.x() + (rect.width() - side) / 2, rect.y() + (rect.height() - side) / 2, side, side));
        painter->restore();
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        const QString key = QStringLiteral("%1x%2@%3/%4").arg(size.width()).arg(size.height()).arg(scale).arg(int(mode));
        if (const auto it = m_cache.constFind(key); it != m_cache.cend())
            return *it;
        QPixmap pixmap((QSizeF(size) * scale).toSize());
        pixmap.fill(Qt::transparent);
        {
            QPainter painter(&pixmap);
            painter.setRenderHint(QPainter::Antialiasing);
            paint(&painter, pixmap.rect(), mode, state);
        }
        pixmap.setDevicePixelRatio(scale);
        m_cache.insert(key, pixmap);
        return pixmap;
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int side = qMin(size.width(), size.height());
        return {side, side};
    }

    QIconEngine *clone() const override
    {
        return new CSvgIconEngine(m_svg);
    }

    QString key() const override
    {
        return QStringLiteral("korvane-svg");
    }

private:
    QByteArray m_svg;
    QHash<QString, QPixmap> m_cache;
};

} // namespace

QColor IconNeutralColour(const QPalette &palette)
{
    return Mix(palette.color(QPalette::Active, QPalette::WindowText), palette.color(QPalette::Active, QPalette::Window),
               kNeutralSoftening);
}

QIcon CommandIcon(const QString &name, const QPalette &palette)
{
    InitIconResources();
    QFile file(QStringLiteral(":/icons/%1.svg").arg(name));
    if (name.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    QByteArray svg = file.readAll();
    svg.replace(kFileNeutral, IconNeutralColour(palette).name().toLatin1());
    return QIcon(new CSvgIconEngine(std::move(svg)));
}

} // namespace korvane
