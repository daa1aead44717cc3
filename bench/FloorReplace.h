#pragma once
// The last step of the floor's writes: the new file takes the old one's place.
namespace conversion_floor {

bool Replace(const char* fresh, const char* target);

}  // namespace conversion_floor
