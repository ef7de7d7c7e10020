#pragma once
// How the C library's allocator hands memory back to the system. Writing a large sheet
// allocates and frees buffers of a few megabytes thousands of times (the rasteriser's edge
// lists, one batch of lines after another); with the allocator's defaults each free gave the
// top of the heap back to the kernel and the next batch took it again, page by page.

namespace brontaxe::platform {

// Keeps up to a few tens of megabytes of freed memory for reuse instead of returning it at
// once. Called once, first thing in main.
void keepFreedMemoryForReuse();

}  // namespace brontaxe::platform
