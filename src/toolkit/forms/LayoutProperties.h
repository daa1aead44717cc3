#pragma once
// The layout properties of the library's own classes.
namespace vcl {

void RegisterToolkitLayoutClasses();

}  // namespace vcl
