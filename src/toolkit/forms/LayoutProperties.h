#pragma once
// The layout properties of the library's own classes.
namespace toolkit {

void RegisterToolkitLayoutClasses();

}  // namespace toolkit
