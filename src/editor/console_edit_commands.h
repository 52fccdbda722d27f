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
    CGeometryCommand(Kind kind, const QString &text, dataConsole::CConsoleData &console, std::vector<Change> changes,
                     QSize consoleBefore,
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

// Controls added to or removed from the console (placing, pasting, deleting). Controls out of
// the console are held by the command, so later commands that refer to them stay valid, and
// come back at the same places in their lists.
class CControlListCommand final : public QUndoCommand
{
public:
    enum Action { kAdd, kRemove };
    // The controls are in the console's lists: added ones already are, removed ones are
    // taken out by the first redo, which the undo stack runs as the command is pushed.
    CControlListCommand(Action action, dataConsole::CConsoleData &console,
                        const std::vector<dataConsole::CCtrl__Base *> &controls, const QString &text,
                        std::function<void()> changed);
    ~CControlListCommand() override;

    void undo() override;
    void redo() override;

private:
    struct Entry
    {
        dataConsole::CCtrl__Base *control;
        bool picture;
        std::size_t index;
        std::unique_ptr<dataConsole::CCtrl__Base> held;
    };
    void Take();
    void Insert();

    Action m_action;
    dataConsole::CConsoleData &m_console;
    std::vector<Entry> m_entries; // in list order
    bool m_first = true;
    std::function<void()> m_changed;
};

// Whether `control` is in the console's control or picture list.
bool IsOnConsole(const dataConsole::CConsoleData &console, const dataConsole::CCtrl__Base *control);

} // namespace korvane
