// Answers the modal dialogs that the window opens, in order, from a queue of
// answers, and keeps every message box shown (title, text).
#pragma once

#include <QtCore/QObject>
#include <QtCore/QTimer>
#include <QtWidgets/QMessageBox>

#include <deque>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace parlix::ui::test {

struct ShownBox {
    QString title;
    QString text;
};

class ModalAnswers : public QObject {
  public:
    using Answer = std::function<void(QWidget* dialog)>;

    ModalAnswers();
    // The next modal dialog gets this answer.
    void Then(Answer answer) { answers_.push_back(std::move(answer)); }
    // A message box is answered with `button`.
    void ThenButton(QMessageBox::StandardButton button);
    // A file dialog gets `path` typed into its name field.
    void ThenFile(const std::string& path);

    const std::vector<ShownBox>& Boxes() const { return boxes_; }
    void ClearBoxes() { boxes_.clear(); }
    bool AllUsed() const { return answers_.empty(); }
    // A modal dialog that no answer was queued for: closed, and counted here.
    int Unexpected() const { return unexpected_; }

  private:
    void Poll();

    QTimer timer_;
    std::deque<Answer> answers_;
    std::vector<ShownBox> boxes_;
    int unexpected_ = 0;
};

}  // namespace parlix::ui::test

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << '[' << texts.join(QStringLiteral("|")).toStdString() << ']';
}
