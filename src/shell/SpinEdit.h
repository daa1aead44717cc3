#pragma once
// TCSpinEdit: a one-line numeric edit with a pair of arrow buttons. The
// text is the only store of the number; Value reads and writes it.
#include <cstdint>

#include "shell/SpinButton.h"
#include "toolkit/controls/Edit.h"

namespace muralto {

class TCSpinEdit : public toolkit::TEdit {
 public:
  explicit TCSpinEdit(toolkit::TComponent* owner);

  std::int32_t MinValue() const { return minValue_; }
  void SetMinValue(std::int32_t v) { minValue_ = v; }
  std::int32_t MaxValue() const { return maxValue_; }
  void SetMaxValue(std::int32_t v) { maxValue_ = v; }
  std::int32_t Increment() const { return increment_; }
  void SetIncrement(std::int32_t v) { increment_ = v; }
  bool EditorEnabled() const { return editorEnabled_; }
  void SetEditorEnabled(bool on) { editorEnabled_ = on; }
  TCSpinButton* Button() const { return button_; }

  // The number the text shows. A text that is no decimal number is replaced
  // by MinValue's text (raising OnChange) and MinValue is returned; a number
  // out of range is returned as it is.
  std::int32_t GetValue();
  // Shows CheckValue(v); the text is written only when it changes.
  void SetValue(std::int32_t v);
  std::int32_t Value() { return GetValue(); }
  // v clamped to MinValue..MaxValue; unchanged when the two are equal.
  std::int32_t CheckValue(std::int32_t v) const;
  virtual bool IsValidChar(char key) const;
  virtual void UpClick(toolkit::TObject* sender);
  virtual void DownClick(toolkit::TObject* sender);
  // Text height of the font plus a quarter of the smaller of it and the
  // system font's, plus four border heights and 2.
  int GetMinHeight();
  void SetEditRect();

  void KeyDown(std::uint16_t& key, toolkit::TShiftState shift) override;
  void KeyPress(char& key) override;
  void WndProc(toolkit::TMessage& message) override;

 protected:
  void CreateParams(toolkit::TCreateParams& params) override;
  void InitializeWnd() override;
  void BoundsChanged() override;
  void DoEnter() override;
  void DoExit() override;

 private:
  void Step(std::int64_t delta);
  void Resize();

  std::int32_t minValue_ = 0;
  std::int32_t maxValue_ = 0;
  std::int32_t increment_ = 1;
  bool editorEnabled_ = true;
  TCSpinButton* button_ = nullptr;
};

// The decimal reading of a spin edit's text: leading blanks, one sign,
// decimal digits and nothing after them, within 32 bits.
bool ParseSpinValue(const std::string& text, std::int32_t* value);

}  // namespace muralto
