// An editable drop-down combo box: an edit field with a list of texts to
// pick from. Its edit text is the window text (Window::Text, SetText).
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "toolkit/Control.h"

namespace toolkit {

class ComboBox : public Control {
 public:
  // The bounds give the edit field; the list drops down below it.
  void Create(HWND parent, const Rect& bounds, std::string_view text) override;

  void Add(std::string_view item);
  void Clear();
  int Count() const;
  std::string Item(int index) const;
  // -1 when the edit text is not an item picked from the list.
  int ItemIndex() const;
  // Selects the item and puts its text into the edit field; -1 selects none.
  void SetItemIndex(int index);

  // The user changed the edit text, by typing or by picking an item.
  std::function<void()> OnChange;

 protected:
  void OnCommand(int notification) override;

 private:
  void ShowSelectedItem();
  bool showingItem_ = false;
};

}  // namespace toolkit
