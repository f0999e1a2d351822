#pragma once
// Start-up of the skin engine in a program that carries its skin as the
// resource "DATA"/"SKIN".
namespace qelvane {

// Loads the skin from the program's resource "SKIN" (type "DATA") into the
// process-wide skin manager, before any form exists. A missing or damaged
// resource leaves one line in the skin engine log and the program without a
// skin; this returns normally in every case. Returns whether a skin was loaded.
bool InitSkinEngineAtStartup();

} // namespace qelvane
