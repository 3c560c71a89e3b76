#include "ui/qt/yes_no_box.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace ui::qt {

YesNoBox::YesNoBox(const QString& title, const QString& text, QWidget* parent)
    : QMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, parent)
{
    setTextFormat(Qt::PlainText);
    setDefaultButton(QMessageBox::Yes);
}

void YesNoBox::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QMessageBox::keyPressEvent(event);
}

void YesNoBox::closeEvent(QCloseEvent* event)
{
    event->ignore();
}

}  // namespace ui::qt
