#include "messagebox.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace platform {

namespace {
MessageSink &sink()
{
    static MessageSink instance;
    return instance;
}

// Room for the frame's buttons and edges beside a title, in logical pixels:
// a frame that centres its title keeps as much free on the other side too.
constexpr int FrameRoom = 200;
} // namespace

int messageBoxWidthForTitle(const QString &title)
{
    // Frames draw their titles bold, or near it, in about the program's font.
    QFont font = QApplication::font();
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(title) + FrameRoom;
}

void showInformation(QWidget *parent, const QString &text, const QString &title,
                     MessageText textKind)
{
    if (sink()) {
        sink()(text, title);
        return;
    }
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    if (textKind == MessageText::Selectable)
        box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // A box only as wide as its text has its title cut short by a frame that
    // a compositor leaves to the program (Weston) or a window manager draws
    // in a larger font: a spacer under the buttons keeps it wide enough.
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    const auto *buttons = box.findChild<QDialogButtonBox *>();
    if (grid && buttons) {
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(grid->indexOf(buttons), &row, &column, &rowSpan, &columnSpan);
        grid->addItem(new QSpacerItem(messageBoxWidthForTitle(title), 0, QSizePolicy::Fixed,
                                      QSizePolicy::Minimum),
                      row, 0, 1, grid->columnCount());
    }
    box.exec();
}

void setMessageSinkForTesting(MessageSink newSink)
{
    sink() = std::move(newSink);
}

} // namespace platform
