#include "ModalAnswers.h"

#include <QtTest/QTest>
#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QApplication>
#include <QtWidgets/QDialog>
#include <QtWidgets/QFileDialog>
#include <QtWidgets/QLineEdit>

#include <gtest/gtest.h>

namespace parlix::ui::test {

ModalAnswers::ModalAnswers() {
    timer_.setInterval(10);
    connect(&timer_, &QTimer::timeout, this, &ModalAnswers::Poll);
    timer_.start();
}

void ModalAnswers::ThenButton(QMessageBox::StandardButton button) {
    Then([button](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        if (box && box->button(button)) box->button(button)->click();
    });
}

void ModalAnswers::ThenFile(const std::string& path) {
    Then([path](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        auto* name = files->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        name->setText(QString::fromStdString(path));
        QTest::keyClick(name, Qt::Key_Return);
    });
}

void ModalAnswers::Poll() {
    QWidget* dialog = QApplication::activeModalWidget();
    // Marked on the object itself: a new box may reuse an old one's address.
    if (!dialog || !dialog->isVisible() || dialog->property("answered").toBool()) return;
    dialog->setProperty("answered", true);
    if (auto* box = qobject_cast<QMessageBox*>(dialog))
        boxes_.push_back({box->windowTitle(), box->text()});
    // Answer once the dialog's own loop runs.
    QTimer::singleShot(0, dialog, [this, dialog] {
        if (answers_.empty()) {
            ++unexpected_;
            if (auto* d = qobject_cast<QDialog*>(dialog)) d->reject();
            return;
        }
        Answer answer = std::move(answers_.front());
        answers_.pop_front();
        answer(dialog);
    });
}

}  // namespace parlix::ui::test
