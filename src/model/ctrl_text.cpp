#include "model/ctrl_text.h"

#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>

namespace dataConsole {

namespace {

constexpr QRgb kTextFieldColour = qRgb(240, 240, 240);
constexpr int kCentreSpare = 4; // a text needs this much room to spare to be centred
constexpr int kUnbounded = 1 << 20;

// The lines of `text` word-wrapped to `width`, as many as fit in `height`; the last one ends
// with an ellipsis when text is left over.
QStringList WrappedLines(const QString &text, const QFont &font, int width, int height)
{
    const QFontMetrics metrics(font);
    QStringList lines;
    int used = 0;
    const QStringList paragraphs = text.split(u'\n');
    for (int p = 0; p < paragraphs.size(); ++p) {
        QTextLayout layout(paragraphs[p], font);
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            const bool lastThatFits = used + 2 * metrics.height() > height;
            const QString piece = paragraphs[p].mid(line.textStart(), line.textLength());
            if (lastThatFits) {
                const bool more = line.textStart() + line.textLength() < paragraphs[p].size() || p + 1 < paragraphs.size();
                const QString rest = paragraphs[p].mid(line.textStart());
                lines.append(more ? metrics.elidedText(rest, Qt::ElideRight, width) : piece.trimmed());
                layout.endLayout();
                return lines;
            }
            lines.append(piece.trimmed());
            used += metrics.height();
        }
        layout.endLayout();
    }
    return lines;
}

} // namespace

QFont ControlFont(int height)
{
    // Every control asks for its font at each repaint; fitting a font to a cell height
    // measures it, so each height is fitted once.
    static QHash<int, QFont> fitted;
    const auto known = fitted.constFind(height);
    if (known != fitted.constEnd())
        return *known;
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setWeight(QFont::Bold);
    font.setPixelSize(std::max(1, height));
    // A font asked for by its cell height: ascent and descent together make `height`.
    const QFontMetricsF metrics(font);
    const qreal cell = metrics.ascent() + metrics.descent();
    if (cell > 0)
        font.setPixelSize(std::max(1, qRound(height * height / cell)));
    fitted.insert(height, font);
    return font;
}

int DrawControlText(QPainter &painter, const QRect &area, const QString &text, int fontHeight, QColor colour,
                    bool drawFrame, int offsetX)
{
    if (area.width() <= 0 || area.height() <= 0)
        return 0;
    const QFont font = ControlFont(fontHeight);
    const int width = QFontMetrics(font).horizontalAdvance(text);
    painter.save();
    painter.setClipRect(area);
    if (drawFrame)
        painter.fillRect(area, QColor::fromRgb(kTextFieldColour));
    QRect box = area.adjusted(1, 0, -1, 0);
    box.setLeft(box.left() - offsetX);
    const Qt::Alignment horizontal = width < area.width() - kCentreSpare ? Qt::AlignHCenter : Qt::AlignLeft;
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(box, int(horizontal | Qt::AlignVCenter | Qt::TextSingleLine), text);
    if (drawFrame) {
        painter.setPen(QPen(Qt::black, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(area.adjusted(0, 0, -1, -1));
    }
    painter.restore();
    return width;
}

void DrawLabelText(QPainter &painter, const QRect &box, const QString &text, int fontHeight, QColor colour,
                   int alignX, int alignY)
{
    if (text.isEmpty() || box.width() <= 0 || box.height() <= 0)
        return;
    const QFont font = ControlFont(fontHeight);
    const QFontMetrics metrics(font);
    const int textWidth = metrics.boundingRect(QRect(0, 0, kUnbounded, kUnbounded), 0, text).width();
    const bool narrower = box.width() < textWidth;
    QRect target = box;
    QStringList lines;
    if (narrower) {
        if (alignX == 2)
            lines = WrappedLines(text, font, box.width(), box.height());
        else
            lines = {metrics.elidedText(QString(text).replace(u'\n', u' '), Qt::ElideRight, box.width())};
    } else {
        lines = text.split(u'\n');
        if (alignX == 0)
            target.setWidth(textWidth);
        else if (alignX == 1)
            target.setLeft(target.right() + 1 - textWidth);
        else
            target.adjust((box.width() - textWidth) / 2, 0, -(box.width() - textWidth) / 2, 0);
    }
    const int height = int(lines.size()) * metrics.height();
    if (height < target.height()) {
        if (alignY == 1)
            target.setTop(target.bottom() + 1 - height);
        else if (alignY == 2)
            target.setTop(target.top() + (target.height() - height) / 2);
    }
    const Qt::Alignment horizontal = alignX == 1 ? Qt::AlignRight : alignX == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
    painter.save();
    painter.setClipRect(box);
    painter.setFont(font);
    painter.setPen(colour);
    int y = target.top();
    for (const QString &line : lines) {
        painter.drawText(QRect(target.left(), y, target.width(), metrics.height()),
                         int(horizontal | Qt::AlignTop | Qt::TextSingleLine), line);
        y += metrics.height();
    }
    painter.restore();
}

} // namespace dataConsole
