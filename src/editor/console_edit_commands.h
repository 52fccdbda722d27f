// The undoable changes made on a console canvas: geometry (moves, resizes, nudges, the
// console's size) and adding a control. Every one goes on the document's undo stack.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QUndoCommand>

#include <functional>
#include <memory>
#include <vector>

namespace dataConsole {
class CCtrl__Base;
class CConsoleData;
} // namespace dataConsole

namespace korvane {

// Everything a move or resize can change on one control.
struct CCtrlGeometry
{
    QRect rect;
    QPoint imageOffset;
    QRect textRect;

    static CCtrlGeometry Of(const dataConsole::CCtrl__Base &control);
    void ApplyTo(dataConsole::CCtrl__Base &control) const;
    bool operator==(const CCtrlGeometry &) const = default;
};

// Geometry changes already made on the canvas, recorded so they can be undone: the
// controls' geometry and the console's size before and after. Arrow-key nudges of the same
// controls merge into one step.
class CGeometryCommand final : public QUndoCommand
{
public:
    enum Kind { kDrag, kNudge };
    struct Change
    {
        dataConsole::CCtrl__Base *control;
        CCtrlGeometry before;
        CCtrlGeometry after;
    };

    // `changed` is called after undo and redo so the canvas repaints and the panel follows.
    CGeometryCommand(Kind kind, dataConsole::CConsoleData &console, std::vector<Change> changes, QSize consoleBefore,
                     QSize consoleAfter, std::function<void()> changed);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand *other) override;
    // Whether anything changed at all: a click without a drag records nothing.
    bool IsEmpty() const;

private:
    void Apply(bool after);

    Kind m_kind;
    dataConsole::CConsoleData &m_console;
    std::vector<Change> m_changes;
    QSize m_consoleBefore;
    QSize m_consoleAfter;
    std::function<void()> m_changed;
};

// A control placed on the console. Undone, the command keeps the control (so later commands
// that refer to it stay valid) and gives it back on redo at the same place in its list.
class CAddControlCommand final : public QUndoCommand
{
public:
    // The control must already be in the console's control list (or picture list).
    CAddControlCommand(dataConsole::CConsoleData &console, dataConsole::CCtrl__Base *control,
                       std::function<void(dataConsole::CCtrl__Base *removed)> changed);

    void undo() override;
    void redo() override;

private:
    dataConsole::CConsoleData &m_console;
    dataConsole::CCtrl__Base *m_control;
    std::unique_ptr<dataConsole::CCtrl__Base> m_held;
    std::size_t m_index = 0;
    bool m_isPicture;
    std::function<void(dataConsole::CCtrl__Base *)> m_changed;
};

} // namespace korvane
