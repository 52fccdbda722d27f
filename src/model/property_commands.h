// The edits of a console that are not geometry nor the list of controls: binding sets, the
// design a control is drawn with, and the console's settings.
#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <vector>

#include "model/console_data.h"
#include "model/doc_command.h"

namespace korvane {

// Changes binding sets: `edit` is applied to the set of each control at `page`, or to every
// set each control has when there is no page (Shift in the property panel). Undo puts every
// set back as it was.
class CBindingCommand final : public CDocCommand
{
public:
    using Edit = std::function<void(dataConsole::CBindingSet &)>;

    CBindingCommand(CKorvaneDoc &doc, const QString &text, const std::vector<dataConsole::CCtrl__Base *> &controls,
                    std::optional<int> page, Edit edit);

    void undo() override;
    void redo() override;

private:
    void Announce();

    std::vector<dataConsole::CCtrl__Base *> m_controls;
    std::vector<dataConsole::CBindingSets> m_before;
    std::optional<int> m_page;
    Edit m_edit;
};

// Gives controls a design by name, with the image size the design gives: `name` for every
// control (empty: the default look), or, without a name, each control's own design again, as
// after that design was edited. With `fit`, the image and the text are placed again for the
// control's size, as when a control is placed. A design the console cannot find leaves the
// control drawn in the default look but keeps the name it is saved with.
class CDesignCommand final : public CDocCommand
{
public:
    CDesignCommand(CKorvaneDoc &doc, const QString &text, const std::vector<dataConsole::CCtrl__Base *> &controls,
                   std::optional<QString> name, bool fit = false);

    void undo() override;
    void redo() override;

private:
    struct Entry
    {
        dataConsole::CCtrl__Base *control;
        dataConsole::CDataCCD *design;
        QString name;
        dataConsole::CCtrlSnapshot snapshot;
        bool operator==(const Entry &) const = default;
    };
    static Entry StateOf(dataConsole::CCtrl__Base *control);
    void Announce();

    std::vector<Entry> m_before;
    std::optional<QString> m_name;
    bool m_fit;
};

// New settings for the console: size, grid, colours, background image, snapping. The same
// settings edited again (with a merge id) merge into one step.
class CConsoleSettingsCommand final : public CDocCommand
{
public:
    CConsoleSettingsCommand(CKorvaneDoc &doc, const QString &text, const dataConsole::CConsoleSettings &after,
                            int mergeId = kMergeNone);

    void undo() override;
    void redo() override;
    int id() const override { return m_mergeId; }
    bool mergeWith(const QUndoCommand *other) override;

private:
    void Apply(const dataConsole::CConsoleSettings &settings);

    dataConsole::CConsoleSettings m_before;
    dataConsole::CConsoleSettings m_after;
    int m_mergeId;
};

} // namespace korvane
