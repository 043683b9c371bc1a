#include "dialogs/ShowMessage.h"

#include "controls/MessageDialog.h"

namespace dialogs {

namespace {

// Blanks only, as the captions' own trimming always did; other white space stays.
QString TrimBlanks(const QString& s) {
  qsizetype first = 0;
  qsizetype last = s.size();
  while (first < last && s[first] == QLatin1Char(' ')) ++first;
  while (last > first && s[last - 1] == QLatin1Char(' ')) --last;
  return s.mid(first, last - first);
}

}  // namespace

PreparedMessage PrepareMessage(const QString& Prompt, int32_t Style, const QString& Arg1, const QString& Arg2,
                               const QString& Arg3, const QString& Arg4, const QString& Button1Caption,
                               const QString& Button2Caption, const QString& Button3Caption) {
  PreparedMessage m;
  m.Text = Prompt;
  const QString* args[4] = {&Arg1, &Arg2, &Arg3, &Arg4};
  for (int i = 0; i < 4; ++i) {
    if (!args[i]->isEmpty()) {
      m.Text.replace(QStringLiteral("%") + QString::number(i + 1), *args[i], Qt::CaseSensitive);
    }
  }
  m.Text.replace(QStringLiteral("\\n"), QStringLiteral("\r\n"));

  m.DefaultButton = (Style & StyleDefault2) ? 2 : (Style & StyleDefault3) ? 3 : 1;

  m.Caption = {Button1Caption, Button2Caption, Button3Caption};
  auto set = [&m](const char* b3, const char* b2, const char* b1) {
    if (b3) m.Caption[2] = QString::fromLatin1(b3);
    m.Caption[1] = QString::fromLatin1(b2);
    m.Caption[0] = QString::fromLatin1(b1);
  };
  // The tests run in this order, so e.g. 7 counts as 5 and 6 as 4.
  if ((Style & 5) == 5) {
    set(nullptr, "Retry", "Cancel");
  } else if ((Style & 4) == 4) {
    set(nullptr, "Yes", "No");
  } else if ((Style & 3) == 3) {
    set("Yes", "No", "Cancel");
  } else if ((Style & 2) == 2) {
    set("Cancel", "Retry", "Ignore");
  } else if ((Style & 1) == 1) {
    set(nullptr, "Ok", "Cancel");
  }

  const QString pad(4, QLatin1Char(' '));
  for (QString& c : m.Caption) {
    if (!c.isEmpty()) c = pad + TrimBlanks(c) + pad;
  }
  return m;
}

int16_t ShowMessage(const QString& Prompt, const QString& Title, int32_t Style, const QString& Arg1,
                    const QString& Arg2, const QString& Arg3, const QString& Arg4, uint32_t BackColor,
                    uint32_t ForeColor, const QString& Button1Caption, const QString& Button2Caption,
                    const QString& Button3Caption) {
  const PreparedMessage m =
      PrepareMessage(Prompt, Style, Arg1, Arg2, Arg3, Arg4, Button1Caption, Button2Caption, Button3Caption);
  // A new window for every message; nothing lives from one call to the next.
  controls::MessageDialog box;
  box.BackColor = BackColor;
  box.ForeColor = ForeColor;
  box.Prompt = m.Text;
  box.Button1Caption = m.Caption[0];
  box.Button2Caption = m.Caption[1];
  box.Button3Caption = m.Caption[2];
  box.FontName = QStringLiteral("Tahoma");
  box.FontSize = 10.0f;
  box.FontBold = true;
  box.DefaultButton = m.DefaultButton;
  box.Title = Title;
  QString none;
  return static_cast<int16_t>(box.ShowDialog(none));
}

}  // namespace dialogs
