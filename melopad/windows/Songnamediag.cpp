#include "melopad/windows/Songnamediag.h"

namespace {

toolkit::FormDesign Design() {
  toolkit::FormDesign design;
  design.caption = "メロディーの名前";
  design.clientWidth = 259;
  design.clientHeight = 112;
  design.border = toolkit::BorderStyle::Dialog;
  design.systemMenu = false;
  return design;
}

}  // namespace

TSongNameDialog::TSongNameDialog() : Form(Design()) {
  OKButton.SetDefault(true);
  OKButton.SetModalResult(toolkit::kModalOk);
  PlaceControls({
      {Label1, {40, 16, 200, 12}, "メロディーの名前を入力してください"},
      {NameEdit, {29, 40, 201, 20}},
      {OKButton, {97, 72, 65, 25}, "OK"},
  });
  EnableDialogNavigation();
}
