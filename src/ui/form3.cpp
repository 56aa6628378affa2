#include "ui/form3.h"

#include "model/checks.h"
#include "model/input_catalogue.h"
#include "ui/error_dialog.h"
#include "ui/form5.h"
#include "ui/prompts.h"
#include "ui/look.h"

namespace rc {
namespace {

constexpr char16_t kEntryCaption[] = u"Ввод равновесной зависимости";
constexpr char16_t kEntryHeading[] = u"ВВЕДИТЕ РАВНОВЕСНЫЕ ДАННЫЕ (Концентрации в мольных долях)";
constexpr char16_t kFaultCaption[] = u"Контроль равновесной зависимости";
constexpr char16_t kListHeading[] = u"КООРДИНАТЫ ТОЧЕК РАВНОВЕСНОЙ ЗАВИСИМОСТИ";
// Layout [twips].
constexpr int kListTop = 1000;
constexpr int kPointListHeight = 2340;
constexpr int kHeadingX = 1500;
constexpr int kHeadingY = 500;
// Prompts of a correction.
constexpr int kPointPromptY = 1695;         // + 195·i
constexpr int kCompositionsPromptY = 1400;  // + 195·row, after a point correction
constexpr int kCompositionPromptY[] = {3300, 3500, 3700};

}  // namespace

Form3::Form3(Application& app) : ListWindow(app, "Form3", 3) {}

void Form3::Load() {
  for (int i = 0; i < 8; ++i) rows.push_back(ListRow::Pair(i, kPointPromptY + kRowPitch * i));
  for (int n : InputNumbers(InputStage::Compositions)) {
    rows.push_back(ListRow::Composition(n, kCompositionPromptY[n - kParamXW]));
  }

  list.top = kListTop;
  list.height = kPointListHeight;
  CentreHorizontally(list);

  PlaceReviewButtons(3600, 4200, 4800);
  acceptButton.onClick = [this] { Accept(); };
  correctButton.onClick = [this] { Correct(); };
  endOfCorrectionsButton.onClick = [this] { EndOfCorrections(); };

  heading.caption = kListHeading;
  heading.foreColor = kDarkRed;
  heading.top = 600;
  heading.width = 6000;
  heading.height = 300;
  CentreHorizontally(heading);

  instruction.top = 3600;
  instruction.width = 4000;
  CentreHorizontally(instruction);
  instruction.visible = false;
}

void Form3::BeginEntry() {
  list.enabled = true;
  list.visible = false;
  for (Control* c : {&acceptButton, &correctButton, &endOfCorrectionsButton, &heading,
                     &faultMarker, &instruction}) {
    c->visible = false;
  }
  Show();
  caption = kEntryCaption;

  PrintListHeading(kHeadingX, kHeadingY, kEntryHeading);

  list.visible = true;
  list.height = kPointListHeight;
}

void Form3::ShowReview() { ShowReviewButtons(app().data().InputError != kFalse); }

// After a point has been corrected the list is rebuilt in the sorted order, and XW, XF,
// XP are asked again one after another.
void Form3::AfterPointsSorted() {
  DesignData& d = app().data();
  list.Clear();
  for (int r = 0; r < RowCount(); ++r) {
    const ListRow& row = rows[static_cast<std::size_t>(r)];
    if (row.content == ListRow::Content::Composition) {
      AskComposition(app(), row.item, ParameterTitle(d, row.item),
                     kCompositionsPromptY + kRowPitch * r);
    }
    list.AddItem(RowText(r, HeaderOccasion::FullList));
  }
}

void Form3::RunChecks() { CheckEquilibriumData(app().data()); }

// Accepting acts on the verdict of the last check; faulty data cannot pass.
void Form3::Accept() {
  if (app().data().InputError == kFalse) {
    app().Unload(*this);
    app().UnloadAllForms();
    AskTrayType(app());
    return;
  }
  ShowInputFault();
}

void Form3::EndOfCorrections() {
  if (app().data().InputError == kFalse) {
    Accept();
    return;
  }
  ShowInputFault();
  endOfCorrectionsButton.visible = false;
}

void Form3::ShowInputFault() {
  FaultDisplay fault;
  fault.caption = kFaultCaption;
  fault.markedRow = RowOfFault(InputCheck::Equilibrium, app().data().ErrorRow);
  ShowFault(fault);
  app().Form<Form4>().Open(*this);
}

void Form3::Correct() {
  EnterCorrectionMode();
  if (Form4* dialog = app().FindForm<Form4>()) {
    dialog->Hide();
    app().Unload(*dialog);
  }
}

}  // namespace rc
