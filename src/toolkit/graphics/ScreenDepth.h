#pragma once
// Bits per pixel of the screen (bits per pixel times planes), asked of the
// system once and then remembered; tests set it.
namespace toolkit {

int ScreenBitsPerPixel();
void SetScreenBitsPerPixel(int bits);

}  // namespace toolkit
