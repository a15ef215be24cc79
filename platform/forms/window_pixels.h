#pragma once
/// @file
/// What a DC over a window holds (win::GetDC): the window as the host composes it now.

namespace vb {

class Host;

/// Makes DCs over the windows of loaded forms show what @p host composes; null stops it.
/// A window the host does not compose shows its form's back colour.
void ShowWindowsThrough(Host* host);

}  // namespace vb
