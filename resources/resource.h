// Identifiers of the resources that brindlewick.rc embeds in the program file. The
// sounds need none: they are WAVE resources named as they are played (CLICK, KEY, ROLL,
// START, END, SWORD, LOOP), so PlaySoundA finds them by name.
#pragma once

// The window icon. Its ID must stay the lowest: Windows shows the first icon of a
// program file as the file's own icon.
#define IDI_APP 1

// The ticker picture: a BITMAP, 140 x 29 pixels, 24 bits per pixel.
#define IDB_TICKER 101

// The splash picture: a GIF89a, 400 x 200, of the custom resource type "GIF".
#define IDR_SPLASH 201
#define RT_SPLASH_GIF "GIF"
