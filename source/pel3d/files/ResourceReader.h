#pragma once
#include <cstdint>
#include <string>

// The engine keeps one resource file open, with its chunk directory, in memory of a
// directory arena. A later load from the same file (its name compared ignoring case) uses
// it again; a load from another file closes it first. Failures return 0 and set the
// engine's last-error code.

// One entry of the chunk directory.
struct ChunkEntry {
  uint32_t tag = 0;  // ChunkTag order: the first character in the low byte
  uint32_t offset = 0;
};

// Closes any open file and opens this one with a fresh directory arena: 1, or 0 with
// error 1 (the file cannot be opened, or no arena is free).
int OpenResourceFile(const std::string& path);
// 1 when exactly count bytes were read from the open file; else 0 with error 2.
int ReadResourceBytes(void* destination, uint32_t count);
// How many reads the open file has had since it was opened: what buffering saves shows here.
uint32_t GetResourceReadCount();
// 1 after moving the open file to an offset; else 0 with error 3.
int SeekResourceFile(uint32_t offset);
// Closes the open file, destroys the directory arena and resets the reader.
void CloseResourceFile();
// Forgets the file name, the handle and every directory table (engine start-up).
void ResetResourceReader();

// 1 when the file is open and its chunk directory is in memory; read once per opening.
int ReadChunkDirectory(const std::string& path);

// The open file's name as it was asked for; empty when none is open.
const std::string& GetOpenResourceFileName();
// The open file's length in bytes; 0 when none is open.
int64_t GetResourceFileLength();
// Whether size bytes from offset on lie inside the open file.
bool ResourceBytesExist(uint64_t offset, uint64_t size);
// The arena of the open file's directory tables; -1 when none is open.
int GetDirectoryArena();

// The chunk directory: its entry count, one entry (null outside), and the first entry with
// a tag (null when there is none).
uint32_t GetChunkCount();
const ChunkEntry* GetChunk(uint32_t index);
const ChunkEntry* FindChunk(uint32_t tag);
