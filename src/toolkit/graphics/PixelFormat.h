#pragma once
// How many bits a bitmap keeps per pixel.
namespace toolkit {

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };

}  // namespace toolkit
