#pragma once
// The one seam through which every modal showing of the program goes. In the
// program it runs the dialog's own modal loop; a test installs a script that
// plays the user instead, so the code under test runs unchanged and nothing
// blocks.
#include <QString>
#include <deque>
#include <functional>
#include <optional>

class QDialog;

namespace controls {

class Modal {
 public:
  // Plays the user on one showing: may fill controls, press buttons (call their
  // handlers), and returns the result the modal loop would have returned.
  using Answer = std::function<int(QDialog&)>;

  // Shows the dialog modally and returns its result.
  static int Exec(QDialog& dialog);

  // A one-line input box; nullopt when cancelled.
  static std::optional<QString> InputBox(const QString& prompt, const QString& title,
                                         const QString& defaultText = QString());

  // Number of scripted showings so far that found no answer left (tests assert 0).
  static int UnansweredShowings();

  friend class ScopedModalScript;

 private:
  static std::deque<Answer>* script_;
  static int unanswered_;
};

// While alive, modal showings take their answers from this queue, in order. A
// showing with no answer left is rejected (result 0) and counted.
class ScopedModalScript {
 public:
  explicit ScopedModalScript(std::deque<Modal::Answer> answers = {});
  ~ScopedModalScript();
  void Add(Modal::Answer a) { answers_.push_back(std::move(a)); }
  size_t Remaining() const { return answers_.size(); }
  int Shown() const { return shown_; }

  std::deque<Modal::Answer> answers_;
  int shown_ = 0;

 private:
  std::deque<Modal::Answer>* previous_;
};

}  // namespace controls
