#include "controls/Modal.h"

#include <QDialog>
#include <QInputDialog>

namespace controls {

std::deque<Modal::Answer>* Modal::script_ = nullptr;
int Modal::unanswered_ = 0;

namespace {
ScopedModalScript* g_active = nullptr;
}

int Modal::Exec(QDialog& dialog) {
  if (!script_) return dialog.exec();
  if (g_active) ++g_active->shown_;
  if (script_->empty()) {
    ++unanswered_;
    dialog.reject();
    return QDialog::Rejected;
  }
  Answer a = std::move(script_->front());
  script_->pop_front();
  return a(dialog);
}

std::optional<QString> Modal::InputBox(const QString& prompt, const QString& title, const QString& defaultText) {
  QInputDialog box;
  box.setWindowTitle(title);
  box.setLabelText(prompt);
  box.setTextValue(defaultText);
  box.setInputMode(QInputDialog::TextInput);
  if (Exec(box) != QDialog::Accepted) return std::nullopt;
  return box.textValue();
}

int Modal::UnansweredShowings() { return unanswered_; }

ScopedModalScript::ScopedModalScript(std::deque<Modal::Answer> answers)
    : answers_(std::move(answers)), previous_(Modal::script_) {
  Modal::script_ = &answers_;
  Modal::unanswered_ = 0;
  g_active = this;
}

ScopedModalScript::~ScopedModalScript() {
  Modal::script_ = previous_;
  g_active = nullptr;
}

}  // namespace controls
