#pragma once

class DebugCommand;

// The console's "tweak" command: sends the live-tuning message to the main window, which
// re-reads every tuning section from "pel3d.twk".
DebugCommand& TheTweakCommand();
