/* The program's pictures: the resource file tools/assetgen draws at build time, embedded
   as it stands (its layout is in resource_table.h). The build names the file. */

    .section .rodata.tolvarin_pictures, "a"
    .balign 16
    .globl tolvarin_pictures
    .hidden tolvarin_pictures
tolvarin_pictures:
    .incbin PICTURE_RESOURCE_FILE
    .globl tolvarin_pictures_end
    .hidden tolvarin_pictures_end
tolvarin_pictures_end:

    .section .note.GNU-stack, "", @progbits
