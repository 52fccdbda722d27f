// The dialog that asks for the name of a new file in a given folder.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace korvane {

// Asks for a file name (without its extension) and refuses one that is already taken in the
// folder, checking as the user types. It serves consoles and control designs alike, each
// with its own folder and extension; it writes nothing.
class CNewFileDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CNewFileDlg(QWidget *parent = nullptr);

    // In: the proposed name, shown on opening. Out: the typed name, without the extension.
    const QString &Name() const { return m_name; }
    void SetName(const QString &name);
    const QString &Extension() const { return m_extension; }
    void SetExtension(const QString &extension) { m_extension = extension; }
    // The folder the file would go into, with or without a trailing separator.
    const QString &Folder() const { return m_folder; }
    void SetFolder(const QString &folder) { m_folder = folder; }

    // Why `name` cannot name a file of the folder (it holds a path separator or is a full
    // path); empty when it can.
    static QString RefusalOf(const QString &name);

private:
    void OnTextChanged(const QString &text);
    bool FileExists() const;

    QString m_name;
    QString m_extension;
    QString m_folder;
    QLineEdit *m_edit = nullptr;
    QLabel *m_reason = nullptr;
    QPushButton *m_okButton = nullptr;
};

} // namespace korvane
