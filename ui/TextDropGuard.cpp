#include "ui/TextDropGuard.h"

#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

// The format in which file managers drag files and folders.
constexpr const char* kLinkFormat = "text/uri-list";

class TextDropFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::DragEnter:
            case QEvent::DragMove:
            case QEvent::Drop: {
                auto* drop = static_cast<QDropEvent*>(event);
                if (!drop->mimeData() || !drop->mimeData()->hasFormat(kLinkFormat))
                    break;
                drop->setDropAction(Qt::IgnoreAction);
                drop->ignore();
                return true;
            }
            default:
                break;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void GuardTextDrops(QWidget* window) {
    auto* filter = new TextDropFilter(window);
    for (QLineEdit* edit : window->findChildren<QLineEdit*>())
        edit->installEventFilter(filter);
    // A text editor gets its drags on its viewport.
    for (QPlainTextEdit* edit : window->findChildren<QPlainTextEdit*>())
        edit->viewport()->installEventFilter(filter);
    for (QTextEdit* edit : window->findChildren<QTextEdit*>())
        edit->viewport()->installEventFilter(filter);
}
