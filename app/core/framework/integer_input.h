#pragma once
// The integer-input rule of edit boxes: a typed character is taken when it is a control
// character, a digit 0 to 9 or the minus sign; anything else is refused with a beep.
namespace quorvela {

constexpr bool acceptsIntegerInput(char16_t typed) {
  const bool control = typed < 0x20 || (typed >= 0x7F && typed <= 0x9F);
  return control || (typed >= u'0' && typed <= u'9') || typed == u'-';
}

}  // namespace quorvela
