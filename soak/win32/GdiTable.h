#pragma once
// The GDI objects of another process, counted in its GDI handle table. Wine
// keeps that table in the process's own memory (65536 entries of 24 bytes,
// type 0 for a free one), and its GetGuiResources only answers 0, so this is
// the way to see a GDI leak from outside. Wine 8.0 does not publish the
// table's address in the PEB (GdiSharedHandleTable stays 0), so when that
// field is empty the table is found among the process's memory regions by
// its size and its first entries, the stock objects (a white brush first).

#include <windows.h>

#include <optional>

namespace soak {

struct GdiCount {
  unsigned objects;  // live entries, stock objects left out
  unsigned stock;    // live stock objects (the same from start to end)
};

// Empty when the table cannot be found or read.
std::optional<GdiCount> CountGdiObjects(HANDLE process);

}  // namespace soak
