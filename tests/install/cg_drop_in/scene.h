/* What both drop-in programs draw once a GL context is current, written only
 * against the Cg API as any Cg program is: no loader handed to the runtime. */
#ifndef CG_DROP_IN_SCENE_H
#define CG_DROP_IN_SCENE_H

enum { SCENE_WIDTH = 64, SCENE_HEIGHT = 32 };

/* Draws a textured, tinted quad over the whole viewport and reads it back.
 * Returns 0 when the picture is right, otherwise prints why and returns 1. */
int drawAndCheckScene(void);

#endif
