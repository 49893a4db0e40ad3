/* Resource identifiers shared by tintora.rc (windres) and the C++ sources.
   Plain preprocessor definitions only. */
#ifndef TINTORA_RESOURCE_H
#define TINTORA_RESOURCE_H

/* Application icon (64, 48, 40, 32, 24, 20 and 16 pixels; 32 bpp). */
#define IDI_TINTORA 1

/* Start-up pictures, PNG files stored as RCDATA. */
#define IDR_STARTUP_SOFT 101
#define IDR_STARTUP_VIVID 102
#define IDR_STARTUP_SOFT_EN 103
#define IDR_STARTUP_VIVID_EN 104

#endif /* TINTORA_RESOURCE_H */
