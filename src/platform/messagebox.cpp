#include "messagebox.h"

#include <QMessageBox>

namespace platform {

namespace {
MessageSink &sink()
{
    static MessageSink instance;
    return instance;
}
} // namespace

void showInformation(QWidget *parent, const QString &text, const QString &title)
{
    if (sink()) {
        sink()(text, title);
        return;
    }
    QMessageBox::information(parent, title, text, QMessageBox::Ok);
}

void setMessageSinkForTesting(MessageSink newSink)
{
    sink() = std::move(newSink);
}

} // namespace platform
