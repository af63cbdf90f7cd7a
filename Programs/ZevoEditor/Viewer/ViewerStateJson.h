#pragma once
// The viewer's state as JSON: what every page receives on its feed and what GET /api/state
// returns. Positions are centimetres (4 decimals), rotations quaternions x, y, z, w (6 decimals),
// in the engine's frame (Z up).
//
// { "time": seconds since start, "frame": engine frame,
//   "sources":  [ { "type", "machine", "status" } ],
//   "subjects": [ { "name", "source", "role": "Animation" | "Transform", "fps", "sinceLastFrame"
//                   (null before the first frame), "dropped", "late",
//                   "bones": [ { "name", "parent", "p": [x, y, z], "q": [x, y, z, w] } ]   (animation)
//                   "prop": { "shape": "box" | "sphere", "p", "q", "size": [x, y, z] }     (transform) } ],
//   "targets":  [ { "subject", "asset", "skeleton", "posesPerSecond", "previewMesh": bool,
//                   "bones": [ ... as above, the built pose ],
//                   "mapping": { "asset", "rows": [ { "category", "bone", "displayName", "target"
//                                (null when unmapped), "unmapped", "duplicate", "duplicateToolTip" } ],
//                                "DuplicateStatusText", "MissingStatusText", "mapped", "total",
//                                "percent", "statistics" } } ],
//   "actors":   [ { "label", "p", "q", "follows" (null when none), "receiving",
//                   "shapes": [ { "shape", "p", "q", "size" } ] } ] }
#include "ViewerState.h"

#include <string>

std::string ViewerStateToJson(const FViewerState& State);

/** A target's "mapping" (the state carries the text its mapping was made with, FViewerMapping::Json). */
std::string ViewerMappingToJson(const FViewerMapping& Mapping);

/** A target's preview mesh, GET /api/preview-mesh?target=N: { "vertices": [x, y, z, x, y, z, ...],
 *  "restBones": [ bones ] }. */
std::string ViewerPreviewMeshToJson(const FViewerPreviewMesh& Mesh);
