#include "toolkit/PictureBox.h"

namespace toolkit {

namespace {
constexpr wchar_t kPictureBoxClass[] = L"toolkit.PictureBox";
}

// Redrawn whole on every change of size: a stretched or centred picture
// moves everywhere.
void PictureBox::Create(HWND parent, const Rect& bounds, std::string_view text) {
  CreatePictureWindow(kPictureBoxClass, parent, bounds, text, CS_HREDRAW | CS_VREDRAW);
}

void PictureBox::SetPicture(Graphic picture) {
  picture_.emplace(std::move(picture));
  Refresh();
}

void PictureBox::SetPicture(UniqueBitmap bitmap) {
  SetPicture(Graphic(std::move(bitmap)));
}

void PictureBox::ClearPicture() {
  picture_.reset();
  Refresh();
}

void PictureBox::SetStretch(bool stretch) {
  stretch_ = stretch;
  Refresh();
}

void PictureBox::SetCenter(bool center) {
  center_ = center;
  Refresh();
}

void PictureBox::Refresh() {
  if (HasHandle()) Invalidate();
}

RECT PictureBox::Target() const {
  const Rect client = ClientRect();
  if (stretch_) return {0, 0, client.width, client.height};
  const SIZE size = picture_->Size();
  const int left = center_ ? (client.width - size.cx) / 2 : 0;
  const int top = center_ ? (client.height - size.cy) / 2 : 0;
  return {left, top, left + size.cx, top + size.cy};
}

void PictureBox::OnPaint(HDC dc) {
  if (picture_) picture_->Draw(dc, Target());
}

}  // namespace toolkit
