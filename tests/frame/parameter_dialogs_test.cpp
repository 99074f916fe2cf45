#include "frame/parameter_dialogs.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "frame/gui_shell.h"
#include "frame/qt_environment.h"

namespace foresta {
namespace {

QStringList Labels(const ParameterDialog& dialog) {
  QStringList labels;
  for (QLineEdit* edit : dialog.Edits()) {
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
      if (label->buddy() == edit) labels << label->text();
    }
  }
  return labels;
}

QString HintLine(const ParameterDialog& dialog) {
  return dialog.findChild<QLabel*>(QStringLiteral("hintLine"))->text();
}

// The widgets Tab visits, from the first edit field round to it again.
QList<QWidget*> TabCycle(const ParameterDialog& dialog) {
  QList<QWidget*> cycle;
  QWidget* first = dialog.Edits().front();
  QWidget* w = first;
  do {
    if ((w->focusPolicy() & Qt::TabFocus) && !w->isHidden()) cycle << w;
    w = w->nextInFocusChain();
  } while (w != first && cycle.size() < 50);
  return cycle;
}

TEST(ParameterDialogsTest, TitlesLabelsAndHintLines) {
  WorkbenchState state;
  struct Expected {
    DialogKind kind;
    QString title;
    QStringList labels;
    QString hint;
  };
  const Expected all[] = {
      {DialogKind::kDataFiles, "Data File Name",
       {"Training File:", "Retraining File:", "Recognition File:", "Output File:",
        "User distribution File:"},
       "To Use Default File Name: Press Cancel"},
      {DialogKind::kLink, "Data File Name/Data Range",
       {"Input File:", "Output File:", "Enter precision level:", "Enter trend:"},
       "To Use Default File Name: Press Cancel"},
      {DialogKind::kLineBreaker, "Breaker Data",
       {"Line 2 starts at:", "Line 3 Starts at:", "Line 4 Satrts at:", "Line 5 starts at:"},
       "To Use Default Values, Press Cancel"},
      {DialogKind::kShifter, "Shifter Data",
       {" N-bit Shifter, Enter N:", "Enter Number of Training vector:",
        "Enter Number of Retraining Vector:", "Enter Number of Recognition Pattern:"},
       "To Use Default Numbers: Press Cancel"},
      {DialogKind::kSegmentCounter, "Segment Counter Data",
       {" N-bit Segment Counter, Enter N:", "Enter Number of Training vector:",
        "Enter Number of Retraining Vector:", "Enter Number of Recognition Pattern:"},
       "To Use Default Numbers: Press Cancel"},
      {DialogKind::kSymmetry, "Symmetry Data",
       {"Symmetry starts at:", "Symmetry ends at:", "x-Dimension:", "y-Dimension:"},
       "To Use Default Values, Press Cancel"},
  };
  for (const Expected& e : all) {
    auto dialog = MakeParameterDialog(e.kind, state.texts, nullptr);
    SCOPED_TRACE(e.title.toStdString());
    EXPECT_EQ(e.title, dialog->windowTitle());
    EXPECT_EQ(e.labels, Labels(*dialog));
    EXPECT_EQ(e.hint, HintLine(*dialog));
    QStringList buttons;
    for (QPushButton* b : dialog->findChildren<QPushButton*>()) buttons << b->text();
    EXPECT_EQ((QStringList{"&OK", "&Cancel"}), buttons);
  }
}

TEST(ParameterDialogsTest, TabOrderFollowsTheFieldsThenTheButtons) {
  WorkbenchState state;
  auto link = MakeParameterDialog(DialogKind::kLink, state.texts, nullptr);
  const QList<QWidget*> cycle = TabCycle(*link);
  ASSERT_EQ(8, cycle.size());  // four edits, File, Directory, OK, Cancel
  for (int i = 0; i < 4; ++i) EXPECT_EQ(link->Edits()[i], cycle[i]);
  EXPECT_EQ("File", qobject_cast<QRadioButton*>(cycle[4])->text());
  EXPECT_EQ("Directory", qobject_cast<QRadioButton*>(cycle[5])->text());
  EXPECT_EQ("&OK", qobject_cast<QPushButton*>(cycle[6])->text());
  EXPECT_EQ("&Cancel", qobject_cast<QPushButton*>(cycle[7])->text());

  auto symmetry = MakeParameterDialog(DialogKind::kSymmetry, state.texts, nullptr);
  QStringList checks;
  for (QWidget* w : TabCycle(*symmetry)) {
    if (auto* c = qobject_cast<QCheckBox*>(w)) checks << c->text();
  }
  EXPECT_EQ((QStringList{"X-Translation", "Y-Translation", "X-Scaling", "Y-Scaling",
                         "Z-Rotation"}),
            checks);
}

TEST(ParameterDialogsTest, LinkDialogHidesTheBatchChoiceAndShowsTheRecordedMode) {
  WorkbenchState state;
  state.texts.linkMode = InputMode::kDirectory;
  auto dialog = MakeParameterDialog(DialogKind::kLink, state.texts, nullptr);
  const auto radios = dialog->findChildren<QRadioButton*>();
  ASSERT_EQ(3, radios.size());
  EXPECT_TRUE(radios[1]->isChecked());
  EXPECT_EQ("Batch File", radios[2]->text());
  EXPECT_FALSE(radios[2]->isEnabled());
  EXPECT_TRUE(radios[2]->isHidden());
}

// Runs a parameter dialog through the window's Shell, letting `edit` act
// on it before OK (accept = true) or Cancel.
bool RunWith(WorkbenchState& state, DialogKind kind, bool accept,
             const std::function<void(ParameterDialog&)>& edit) {
  GuiShell shell(nullptr, "title", [](const std::string&) {},
                 [](const HelpRequest&) { return true; });
  shell.SetModalRunner([&](QDialog& dialog) {
    auto& parameters = dynamic_cast<ParameterDialog&>(dialog);
    edit(parameters);
    if (accept) {
      parameters.accept();
    } else {
      parameters.reject();
    }
    return parameters.result();
  });
  return shell.RunDialog(kind, state);
}

TEST(ParameterDialogsTest, OkStoresTheEditedTextsAndCancelKeepsEveryText) {
  WorkbenchState state;
  state.texts.linkPrecision = "0012";
  const DialogTexts before = state.texts;
  auto edit = [](ParameterDialog& d) {
    EXPECT_EQ("0012", d.Edits()[2]->text());  // shown as typed, not as a number
    d.Edits()[0]->setText(QStringLiteral("sales.txt"));
    d.Edits()[3]->setText(QStringLiteral("abc"));
    d.findChildren<QRadioButton*>()[1]->setChecked(true);
  };

  EXPECT_FALSE(RunWith(state, DialogKind::kLink, false, edit));
  EXPECT_EQ(before.linkInput, state.texts.linkInput);
  EXPECT_EQ(before.linkTrend, state.texts.linkTrend);
  EXPECT_EQ(InputMode::kFile, state.texts.linkMode);

  EXPECT_TRUE(RunWith(state, DialogKind::kLink, true, edit));
  EXPECT_EQ("sales.txt", state.texts.linkInput);
  EXPECT_EQ("abc", state.texts.linkTrend);  // the workbench reads the number
  EXPECT_EQ("0012", state.texts.linkPrecision);
  EXPECT_EQ(InputMode::kDirectory, state.texts.linkMode);
  // Only the dialog's own texts change.
  EXPECT_EQ(before.training, state.texts.training);
  EXPECT_EQ(before.line2, state.texts.line2);
  EXPECT_EQ(10, state.precision);
}

TEST(ParameterDialogsTest, SymmetryCheckBoxesRoundTrip) {
  WorkbenchState state;
  state.texts.yScaling = true;
  EXPECT_TRUE(RunWith(state, DialogKind::kSymmetry, true, [](ParameterDialog& d) {
    const auto checks = d.findChildren<QCheckBox*>();
    EXPECT_TRUE(checks[3]->isChecked());
    checks[0]->setChecked(true);
    checks[3]->setChecked(false);
    d.Edits()[2]->setText(QStringLiteral("10"));
  }));
  EXPECT_TRUE(state.texts.xTranslation);
  EXPECT_FALSE(state.texts.yScaling);
  EXPECT_EQ("10", state.texts.symmetryX);
}

TEST(ParameterDialogsTest, FieldsTakeTheirLimitButALongerTextIsNotCutShort) {
  WorkbenchState state;
  state.texts.training = std::string(300, 'a');
  auto dialog = MakeParameterDialog(DialogKind::kDataFiles, state.texts, nullptr);
  EXPECT_EQ(300, dialog->Edits()[0]->text().size());
  EXPECT_EQ(kDialogFieldLength, dialog->Edits()[1]->maxLength());
  dialog->Edits()[1]->setText(QString(400, QLatin1Char('b')));
  EXPECT_EQ(kDialogFieldLength, dialog->Edits()[1]->text().size());
}

}  // namespace
}  // namespace foresta
