#pragma once

#include <string>

// Where the backup of a ROM lives: in BackupFolder, named as the ROM's file name with the
// extension ".bak" (game.nes gives game.bak, game gives game.bak). When that names the ROM
// itself (a ROM x.bak inside the backup folder), ".bak" is appended to the whole file name
// instead (x.bak.bak), so that no backup ever overwrites, or is deleted in place of, its ROM.
std::string BackupPathFor(const std::string& BackupFolder, const std::string& ROMPath);
