/* The LyFS storage library: the recorder cards' own partition format, read and written over a
 * whole-disk device node ("/dev/sdb") or a card image file. These are the calls the viewer makes,
 * with C linkage and narrow-character (UTF-8) paths. The on-card format is described in FORMAT.md
 * beside this file.
 *
 * Threads: every call may be made from any thread; calls on one open device are serialised
 * inside the library. Nothing read from a card is trusted: damaged or crafted metadata makes the
 * calls fail with the results below, never read outside the device. */
#pragma once

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

enum {
  /* The caller-owned, zeroed block that QX_LyFS_Device_Open fills to name the open device. */
  LYFS_DEVICE_BLOCK_SIZE = 161,
  /* Open modes for QX_LyFS_Device_Open: bit 1 asks for write access as well. A write-protected
   * device is then opened for reading only, so a locked card can still be played. */
  LYFS_OPEN_READ = 0x80,
  LYFS_OPEN_READ_WRITE = 0x82, /* 130 */
  /* The file list buffer of QX_LyFS_Get_FileList: a 32-bit capacity in records, then records. */
  LYFS_LIST_BUFFER_SIZE = 3845,
  LYFS_LIST_CAPACITY = 30,
  LYFS_LIST_RECORD_SIZE = 128,
  LYFS_LIST_NAME_OFFSET = 0,
  LYFS_LIST_ID_OFFSET = 98,
  LYFS_LIST_SIZE_OFFSET = 102,
  /* Longest file name in bytes, without its terminating NUL. */
  LYFS_MAX_NAME_LENGTH = 97,
  /* The information record of QX_LyFS_Get_Master_Device_Info (see below). */
  LYFS_MASTER_INFO_SIZE = 32,
  /* Flags of QX_LyFS_Delete_Partition: clear the four table entries; erase the LyFS
   * superblocks of the LyFS partitions listed; erase the first sector of the other partitions
   * listed, so that no old file system is recognised on the card any more. */
  LYFS_DELETE_TABLE = 1,
  LYFS_DELETE_LYFS_SUPERBLOCKS = 2,
  LYFS_DELETE_BOOT_SECTORS = 4,
  LYFS_DELETE_ALL = 7,
  /* The folder split handed to QX_LyFS_Format: an entry count (1 to 3) and 77-byte entries. */
  LYFS_FOLDER_SPLIT_SIZE = 232,
  /* The only layout kind of QX_LyFS_Format: metadata is written, data clusters are left. */
  LYFS_FORMAT_QUICK = 2
};

/* Results below zero; calls that report success with 0 or a positive count use these. */
enum {
  LYFS_OK = 0,
  LYFS_ERROR_ARGUMENT = -1,   /* a null pointer, an unknown value, a malformed path or name */
  LYFS_ERROR_DEVICE = -2,     /* the device cannot be opened, read or written */
  LYFS_ERROR_NOT_LYFS = -3,   /* no valid LyFS partition on the device */
  LYFS_ERROR_NOT_FOUND = -4,  /* no such directory or file */
  LYFS_ERROR_HANDLE = -5,     /* the device block or file handle names nothing open */
  LYFS_ERROR_READ_ONLY = -6,  /* the device is write-protected or the handle is for reading */
  LYFS_ERROR_EXISTS = -7,     /* a file of that name is already in the directory */
  LYFS_ERROR_NO_SPACE = -8,   /* no free cluster left in the area, or no room for a partition */
  LYFS_ERROR_TABLE_FULL = -9, /* no free slot left in the directory's file table */
  LYFS_ERROR_TOO_LARGE = -10, /* a file would grow beyond 4 GiB - 1 bytes */
  LYFS_ERROR_LIMIT = -11      /* too many devices or files open at once */
};

/* Prepares the library; once, before any other call. */
void QX_LyFS_Start(void);
/* Closes whatever is still open (files being written are completed first). */
void QX_LyFS_Stop(void);

/* Nonzero when the device's partition table lists a LyFS partition with a valid superblock. */
int QX_LyFS_Check_LyFS_partition(const char* device_path);

/* Opens the LyFS partition of a device. block: LYFS_DEVICE_BLOCK_SIZE zeroed bytes owned by the
 * caller; on success (0) it names the open device for the calls below. */
int QX_LyFS_Device_Open(const char* device_path, int mode, void* block);
/* Closes the device (completing files being written) and clears the block. 0 or an error. */
int QX_LyFS_Device_Close(void* block);

/* Lists one directory in slices. cursor: 1 before the first call, kept by the caller between
 * calls. list: LYFS_LIST_BUFFER_SIZE bytes whose first 32-bit word is the capacity in records
 * (at most LYFS_LIST_CAPACITY are written whatever it says). Returns the records written, 0 when
 * the directory is exhausted, or an error. reserved: 0. */
int QX_LyFS_Get_FileList(void* block, const char* directory, int32_t* cursor, void* list,
                         int reserved);

/* Opens a file for reading. path: the bare name or "/DIR/NAME"; mode "r" (or "rb"); file_id:
 * the identifier from the file list, which must name that file; 0 or less looks the file up by
 * its path alone. Returns a handle above 0 or an error. */
int QX_LyFS_File_Open(void* block, const char* path, const char* mode, int reserved1, int reserved2,
                      int file_id);
/* Reads on from the handle's position. Returns bytes read, 0 at the end, or an error. */
int QX_LyFS_File_Read(void* block, void* buffer, int count, int handle);
/* Closes a file handle; a file being written is completed. 0 or an error. */
int QX_LyFS_File_Close(void* block, int handle);

/* Fills LYFS_MASTER_INFO_SIZE bytes: 0 record size, 4 bytes per sector (512), 8 flags (bit 0
 * write-protected), 12 the 512-byte sector count (32 bits, held at 0xFFFFFFFF for larger
 * devices, which a partition table cannot address beyond), 16 the partition alignment in
 * sectors for QX_LyFS_Create_Partition, 20 the full 64-bit sector count, 28 zero. The record is
 * zeroed when the device cannot be read. Returns 0 or an error. */
int QX_LyFS_Get_Master_Device_Info(const char* device_path, void* info);
/* Removes the partitions as the LYFS_DELETE_* flags say; LYFS_DELETE_ALL in practice. */
int QX_LyFS_Delete_Partition(const char* device_path, int flags);
/* Creates partition 1 (FAT32 with LBA, type 0x0C) or 2 (LyFS, type 0xDA) of size_low + size_high
 * x 2^32 MiB. next_sector: where to start (0: at the first alignment boundary); set to the
 * aligned sector after the new partition, so consecutive calls lay partitions end to end.
 * alignment: sectors (a power of two), from the master information record. A partition that
 * would run past the end of the device is cut at its end. Returns 0 or an error. */
int QX_LyFS_Create_Partition(const char* device_path, int number, uint32_t size_low,
                             uint32_t size_high, uint32_t* next_sector, uint32_t* alignment);
/* Lays a fresh, empty LyFS file system into a partition of type 0xDA. The two paths name the
 * same device; partition: its number in the table; kind: LYFS_FORMAT_QUICK; split: the
 * LYFS_FOLDER_SPLIT_SIZE-byte folder split; reserved: 0. Returns 0 or an error. */
int QX_LyFS_Format(const char* device_path, const char* partition_device_path, int partition,
                   int kind, const void* split, int reserved);

#ifdef __cplusplus
}
#endif
