#pragma once

#include <QMessageBox>
#include <QString>

namespace ui::qt {

// A Yes/No question that only Yes or No can answer: Escape and the close box,
// which QMessageBox would take as No, do nothing. Yes is the default.
class YesNoBox final : public QMessageBox {
public:
    YesNoBox(const QString& title, const QString& text, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace ui::qt
