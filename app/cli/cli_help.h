// What taverel-calc --help prints: every option, the two FAT32 layouts and
// the exit codes.
#pragma once

namespace taverel::cli {

inline constexpr wchar_t kHelp[] =
    L"usage: taverel-calc [--old | --new] SIZE...\n"
    L"       taverel-calc --check MB... [--fs fat32|ntfs] [--format xp|win7]\n"
    L"       taverel-calc --size-text BYTES...\n"
    L"       taverel-calc --exact G... [--format xp|win7]\n"
    L"       taverel-calc --table FROM..TO|G... [--format xp|win7]\n"
    L"       taverel-calc --help | --version\n"
    L"\n"
    L"  SIZE        partition size in GB, as typed into the window (e.g. 4, 1.5, &H10)\n"
    L"  --old       print only the old algorithm's result (旧算法)\n"
    L"  --new       print only the new algorithm's result (新算法)\n"
    L"              Without --old or --new one SIZE gives \"old: ...\" and \"new: ...\";\n"
    L"              several SIZEs give one line each (\"4: old 4102, new 4103\").\n"
    L"  --check MB  what Windows makes of a partition of exactly MB megabytes (2^20\n"
    L"              bytes): its layout, \"capacity: BYTES\" (clusters x cluster size)\n"
    L"              and \"shows: TEXT\", the size Explorer shows for it\n"
    L"  --size-text BYTES\n"
    L"              Explorer's text for a byte count (\"3.99 GB\"): three digits,\n"
    L"              truncated, never rounded\n"
    L"  --exact G   the smallest whole MB that Explorer shows as exactly G GB\n"
    L"              (\"fat32: N\", \"ntfs: N\"), then the smallest whole cylinders\n"
    L"              (255 heads x 63 sectors x 512 bytes)\n"
    L"  --table FROM..TO\n"
    L"              a tab-separated table for G = FROM..TO (or single G): both\n"
    L"              algorithms' answers, what Explorer shows for them, the smallest\n"
    L"              FAT32 and NTFS figures\n"
    L"  --fs fat32|ntfs\n"
    L"              the file system of --check (default fat32)\n"
    L"  --format xp|win7\n"
    L"              the FAT32 layout (default win7):\n"
    L"              xp    Windows 2000/XP: 32 reserved sectors, the clusters right\n"
    L"                    after the two FATs\n"
    L"              win7  Vista, 7, 10, 11: the clusters start on a 4 MB boundary\n"
    L"              Clusters are Windows' defaults (FAT32: 4 KB up to 8 GB, 8 KB to\n"
    L"              16 GB, 16 KB to 32 GB, 32 KB above; NTFS: 4 KB). Windows' own\n"
    L"              format makes no FAT32 above 32 GB; other formatters do.\n"
    L"  --version   the program's version\n"
    L"\n"
    L"Exit status: 0 done; 2 a value is not a number (or not a whole one where one\n"
    L"is needed); 3 arithmetic fault; 4 out of range (a size the file system cannot\n"
    L"hold, a G Explorer never shows, more bytes than Explorer takes); 64 usage\n"
    L"error. With several values each is answered; the status is the first failure's.\n";

}  // namespace taverel::cli
