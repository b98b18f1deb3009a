#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>

class TMyOLEDragDropInterface;

// The event of a drop: Sender is the TFileDragDrop, Filenames the dropped
// names in drop order. A std::function, so that the owner sets any member
// function or lambda and the component can tell whether one is set.
using TFilesDropped = std::function<void(QObject* Sender, const QStringList& Filenames)>;

// Makes one control a drop target for files and folders dragged from a file
// manager (the text/uri-list format) and hands the names to OnFileDrop.
// The source is always told copy, and nothing that goes wrong while a drop
// is delivered ever reaches the user.
class TFileDragDrop : public QObject {
    Q_OBJECT

public:
    static constexpr const char* kFileListFormat = "text/uri-list";
    static constexpr qsizetype kNameBudget = 100000;

    explicit TFileDragDrop(QObject* owner);
    ~TFileDragDrop() override;

    QWidget* DropControl() const;
    // Moves the registration to the control; none only revokes.
    void setDropControl(QWidget* control);

    const TFilesDropped& OnFileDrop() const { return m_onFileDrop; }
    void setOnFileDrop(TFilesDropped handler) { m_onFileDrop = std::move(handler); }

    // The wrapper underneath, for inspection.
    TMyOLEDragDropInterface* dragDrop() const;

private:
    void deliverNames(const QByteArray& block);

    QPointer<TMyOLEDragDropInterface> m_dragDrop;
    TFilesDropped m_onFileDrop;
};
