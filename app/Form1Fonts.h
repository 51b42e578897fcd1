#pragma once

// Makes the window's faces available: Tahoma from Wine's font folder, which
// fontconfig does not list by itself. Where it is missing Qt falls back to a
// close sans-serif face.
void RegisterWindowFonts();
