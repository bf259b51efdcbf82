#pragma once

// The switches of the program's one music radio that the shell and the sound options use.
void MusicOn();
void MusicOff();
// Off, and the player no longer wants music, while it plays; otherwise on, and wanted.
void ToggleMusic();
// The radio's step of the application's per-frame service.
void ServiceMusic();
