#pragma once

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class FolderBrowser;

// The top of the folder tree: "/" for riMyComputer, the desktop folder (the
// home folder when there is none) for riDesktop.
enum TRootItem { riMyComputer, riDesktop };

using TNotifyEvent = std::function<void(QObject* Sender)>;
// Path is the selected folder, or empty while nothing is selected.
using TSelectEvent = std::function<void(QObject* Sender, const QString& Path)>;

// Lets the user pick one folder in a modal folder tree, or type its path, and
// returns its path. While the picker is open, browser() is the dialog (a
// FolderBrowser, which names its parts); it is a child of the owner's window,
// or of the active window when the owner is no widget.
class TPathDialog : public QObject {
    Q_OBJECT

public:
    explicit TPathDialog(QObject* owner = nullptr);
    ~TPathDialog() override;

    const QString& Title() const { return m_title; }
    void setTitle(const QString& title) { m_title = title; }
    // The starting folder before Execute, the chosen one after it succeeded.
    const QString& Directory() const { return m_directory; }
    // One trailing "/" is dropped ("/" itself stays); empty means the current
    // directory. While the picker is open the folder is also selected.
    void setDirectory(const QString& directory);
    bool ShowStatus() const { return m_showStatus; }
    void setShowStatus(bool showStatus) { m_showStatus = showStatus; }
    const QString& StatusText() const { return m_statusText; }
    void setStatusText(const QString& statusText);
    TRootItem RootItem() const { return m_rootItem; }
    void setRootItem(TRootItem rootItem) { m_rootItem = rootItem; }
    // The resizable picker; a status line always brings it along.
    bool NewStyle() const { return m_newStyle; }
    void setNewStyle(bool newStyle) { m_newStyle = newStyle; }

    const TNotifyEvent& OnShow() const { return m_onShow; }
    void setOnShow(TNotifyEvent handler) { m_onShow = std::move(handler); }
    const TSelectEvent& OnSelect() const { return m_onSelect; }
    void setOnSelect(TSelectEvent handler) { m_onSelect = std::move(handler); }

    // True with the chosen folder in Directory; false on cancel, when the
    // root folder does not exist or when nothing was chosen.
    bool Execute();

    // The open picker, null while closed.
    QDialog* browser() const;
    static QString rootPath(TRootItem rootItem);

protected:
    // Shows the text of an error raised by OnShow or OnSelect; the picker
    // stays open. Tests override it to answer without a person.
    virtual void showHandlerError(const QString& text);

private:
    QWidget* ownerWindow() const;
    void openBrowser(const QString& root);
    // Runs the open picker to its end; the folder chosen, or empty.
    QString runBrowser();
    void browserInitialized();
    void selectionChanged(const QString& path);
    // Runs a handler; its error is shown and goes no further.
    void raiseGuarded(const std::function<void()>& raise);

    QString m_title;
    QString m_directory;
    bool m_showStatus = false;
    QString m_statusText;
    TRootItem m_rootItem = riMyComputer;
    bool m_newStyle = true;
    TNotifyEvent m_onShow;
    TSelectEvent m_onSelect;

    QPointer<FolderBrowser> m_browser;
};
