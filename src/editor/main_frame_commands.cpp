// The main window's commands: what each does (one table, by command number) and when each is
// available, from the active console's document.
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "core/word_ids.h"
#include "core/words.h"
#include "editor/command_table.h"
#include "editor/console_printing.h"
#include "editor/korvane_view.h"
#include "editor/main_frame.h"
#include "editor/ribbon.h"
#include "model/korvane_doc.h"
#include "model/zoom.h"

namespace korvane {

using dataConsole::ArrangeOperation;

namespace {

// The arranging commands and what each does to the selection.
constexpr std::pair<int, ArrangeOperation> kArrangeCommands[] = {
    {kIdAlignLeft, ArrangeOperation::kAlignLeft},
    {kIdAlignRight, ArrangeOperation::kAlignRight},
    {kIdAlignTop, ArrangeOperation::kAlignTop},
    {kIdAlignBottom, ArrangeOperation::kAlignBottom},
    {kIdSpreadVertically, ArrangeOperation::kSpreadVertically},
    {kIdSpreadHorizontally, ArrangeOperation::kSpreadHorizontally},
    {kIdSameHeight, ArrangeOperation::kSameHeight},
    {kIdSameWidth, ArrangeOperation::kSameWidth},
    {kIdSameSize, ArrangeOperation::kSameSize},
};

} // namespace

void CMainFrame::InstallCommandHandlers()
{
    auto &h = m_handlers;
    for (int id = kIdSelect; id <= kIdCreatePlusMinusGroup; ++id)
        h[id] = [this, id] { SetPendingKind(CtrlKindOfCommand(id)); };
    for (int language = 0; language < kLanguageCommandCount; ++language)
        h[LanguageCommandId(language)] = [this, language] { SelectLanguage(language); };
    for (const auto &[id, operation] : kArrangeCommands)
        h[id] = [this, operation] { PushOnActive([operation](CKorvaneDoc &doc) { return MakeArrangeCommand(doc, operation); }); };
    h[kIdFileNew] = [this] { NewConsole(); };
    h[kIdFileOpen] = [this] { OpenWithDialog(); };
    h[kIdFileSave] = [this] { SaveConsole(ActiveFrame()); };
    h[kIdFileSaveAs] = [this] { SaveConsole(ActiveFrame(), true); };
    h[kIdFilePrint] = [this] { PrintActiveConsole(); };
    h[kIdExit] = [this] { close(); };
    h[kIdUndo] = [this] { if (CKorvaneDoc *doc = ActiveDocument()) doc->UndoStack().undo(); };
    h[kIdRedo] = [this] { if (CKorvaneDoc *doc = ActiveDocument()) doc->UndoStack().redo(); };
    h[kIdZoomOut] = [this] { ChangeZoom(-dataConsole::kZoomStep); };
    h[kIdZoomIn] = [this] { ChangeZoom(dataConsole::kZoomStep); };
    h[kIdDelete] = [this] { if (!m_state.IsPlacing()) PushOnActive(MakeDeleteCommand); };
    h[kIdCopy] = [this] {
        if (CKorvaneDoc *doc = ActiveDocument(); doc && !m_state.IsPlacing() && doc->Primary())
            m_clipboard.Copy(*doc);
    };
    h[kIdPaste] = [this] { Paste(); };
    h[kIdSelectAll] = [this] { SelectAll(); };
    h[kIdSnapToGrid] = [this] { PushOnActive(MakeToggleSnapCommand); };
    h[kIdLock] = [this] { ToggleLock(); };
    h[kIdHelp] = [this] { ShowShortcuts(); };
    h[kIdAbout] = [this] { ShowAbout(); };
}

void CMainFrame::ConnectCommands()
{
    for (QAction *action : m_ribbon->Actions()) {
        const int id = action->data().toInt();
        // The language entries come through the ribbon's languageChosen.
        if (id >= kIdLanguageFirst && id <= kIdLanguageLast)
            continue;
        connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
    }
}

void CMainFrame::RunCommand(int id)
{
    if (const auto handler = m_handlers.find(id); handler != m_handlers.end())
        handler->second();
    UpdateCommandStates();
}

void CMainFrame::PushOnActive(const std::function<std::unique_ptr<QUndoCommand>(CKorvaneDoc &)> &make)
{
    if (CKorvaneDoc *doc = ActiveDocument())
        doc->Push(make(*doc));
}

void CMainFrame::SetPendingKind(int kind)
{
    if (!ActiveDocument())
        return;
    m_state.pendingKind = kind;
    for (CChildFrame *frame : Frames())
        frame->View().UpdateCursor();
}

void CMainFrame::ChangeZoom(float step)
{
    if (CKorvaneView *view = ActiveView())
        view->SetZoom(dataConsole::ClampZoom(view->Zoom() + step));
}

void CMainFrame::Paste()
{
    CKorvaneDoc *doc = ActiveDocument();
    if (!doc)
        return;
    std::unique_ptr<CControlListCommand> command = m_clipboard.MakePasteCommand(*doc);
    if (!command)
        return;
    const std::vector<dataConsole::CCtrl__Base *> pasted = command->Controls();
    doc->Push(std::move(command));
    doc->SetSelection(pasted);
}

void CMainFrame::SelectAll()
{
    CKorvaneDoc *doc = ActiveDocument();
    if (!doc)
        return;
    std::vector<dataConsole::CCtrl__Base *> all;
    for (const auto &control : doc->Console().Controls())
        all.push_back(control.get());
    doc->SetSelection(all);
}

void CMainFrame::ToggleLock()
{
    if (CKorvaneDoc *doc = ActiveDocument())
        doc->SetLocked(!doc->IsLocked());
}

void CMainFrame::PrintActiveConsole()
{
    CKorvaneDoc *doc = ActiveDocument();
    if (!doc)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(doc->Title());
    const auto &settings = doc->Console().settings;
    printer.setPageOrientation(settings.width >= settings.height ? QPageLayout::Landscape : QPageLayout::Portrait);
    // The preview shows the page as it will print, with its own Print button.
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this, doc](QPrinter *target) {
        PrintConsole(*target, doc->Console(), m_background.isNull() ? nullptr : &m_background);
    });
    preview.exec();
}

void CMainFrame::ShowShortcuts()
{
    QString rows;
    for (QAction *action : m_ribbon->Actions()) {
        if (action->shortcut().isEmpty())
            continue;
        QString caption = action->text();
        caption.remove(QLatin1Char('&'));
        rows += QStringLiteral("<tr><td>%1</td><td>&nbsp;&nbsp;<b>%2</b></td></tr>")
                    .arg(caption.toHtmlEscaped(),
                         action->shortcut().toString(QKeySequence::NativeText).toHtmlEscaped());
    }
    QMessageBox::information(this, QString::fromLatin1(kProductTitle),
                             QStringLiteral("<p>Keyboard shortcuts. The arrow keys move the selection by one "
                                            "unit; Shift before a drag draws a selection band; Ctrl+click adds "
                                            "to the selection.</p><table>%1</table>")
                                 .arg(rows));
}

void CMainFrame::ShowAbout()
{
    QMessageBox::about(this, Word(word::kAbout),
                       QStringLiteral("<b>Korvane</b><br>Console editor for on-screen lighting consoles."
                                      "<br>Oct 26 2022"));
}

void CMainFrame::UpdateCommandStates()
{
    CKorvaneView *view = ActiveView();
    CKorvaneDoc *doc = ActiveDocument();
    const int selected = doc ? int(doc->Selection().size()) : 0;
    const bool idle = !m_state.IsPlacing();
    auto set = [this](int id, bool enabled, std::optional<bool> checked = std::nullopt) {
        if (QAction *action = m_ribbon->Action(id)) {
            action->setEnabled(enabled);
            if (checked)
                action->setChecked(*checked);
        }
    };
    for (int id = kIdSelect; id <= kIdCreatePlusMinusGroup; ++id)
        set(id, doc != nullptr, m_state.pendingKind == CtrlKindOfCommand(id));
    set(kIdDelete, doc && idle && doc->Primary());
    set(kIdCopy, doc && idle && doc->Primary());
    set(kIdPaste, doc && !m_clipboard.IsEmpty());
    set(kIdSelectAll, doc != nullptr);
    set(kIdZoomOut, doc && dataConsole::CanZoomOut(view->Zoom()));
    set(kIdZoomIn, doc && dataConsole::CanZoomIn(view->Zoom()));
    for (const auto &[id, operation] : kArrangeCommands)
        set(id, doc && selected >= dataConsole::MinimumSelection(operation));
    set(kIdSnapToGrid, doc != nullptr, doc && doc->Console().settings.snapToGrid);
    set(kIdLock, doc != nullptr, doc && doc->IsLocked());
    set(kIdFileSave, doc != nullptr);
    set(kIdFileSaveAs, doc != nullptr);
    set(kIdFilePrint, doc != nullptr);
    // The control design editor is a window of its own, not part of this build yet.
    set(kIdNewDesign, false);
    set(kIdEditDesign, false);
    set(kIdUndo, doc && doc->UndoStack().canUndo());
    set(kIdRedo, doc && doc->UndoStack().canRedo());
    UpdateTitle();
}

} // namespace korvane
