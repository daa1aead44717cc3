#pragma once
// No exception may cross the system's frames: every window procedure of the
// library catches and hands the exception on from inside its catch block.
// The application object, a layer above the controls, installs its failure
// display as the handler; with none installed the exception is dropped.
namespace toolkit {

using TWindowExceptionHandler = void (*)();
void SetWindowExceptionHandler(TWindowExceptionHandler handler);
// Call inside a catch block only.
void HandleWindowException();

}  // namespace toolkit
