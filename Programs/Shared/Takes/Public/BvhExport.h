#pragma once
// A take's character subject as a BVH motion, in the stream skeleton's own hierarchy: one joint
// per stream bone, offsets from the default T-pose skeleton (scaled so that the legs have the
// lengths the frames carry, the rest of the body in proportion), the hips' translation and every
// bone's rotation per frame.
//
// BVH is right-handed, Y up, in centimetres; the stream is Y up in metres with its left side on -X,
// so positions are written as (-X, Y, Z) * 100 and a rotation (x, y, z, w) as (x, -y, -z, w) (the
// same body, as a right-handed file shows it). Rotation channels are Z, X, Y in degrees.
//
// Frames are written at a fixed rate (Rate, or the take's own rate rounded to whole frames per
// second when Rate is 0). Each frame sits in the slot of the rate's grid nearest to its time; a slot
// with several frames keeps the nearest, and an empty slot (a dropped frame, a gap, or a rate above
// the take's) is filled by interpolating its neighbours. A take whose frames came evenly thus keeps
// every frame exactly as recorded.
#include "TakeExport.h"

bool ExportTakeToBvh(const FTakeExportRequest& Request, double Rate, FTakeExportResult& OutResult, FString& OutError);
