#pragma once
// The host's engine, standing in for the engine's Engine and DeveloperSettings modules. It provides,
// under the engine's names: USkeleton (Animation/Skeleton.h), FReferenceSkeleton and
// FReferenceSkeletonModifier, FMeshPoseBoneIndex, FCompactPoseBoneIndex and FBoneContainer
// (BoneContainer.h), FCompactPose (BonePose.h); USkeletalMesh with its render data and
// FPositionVertexBuffer, UStaticMesh; AActor, UActorComponent, USceneComponent,
// UStaticMeshComponent, UWorld with FActorSpawnParameters, ELevelTick and
// FActorComponentTickFunction, EEndPlayReason, ETeleportType, FAttachmentTransformRules;
// FTimerManager and FTimerHandle; UDeveloperSettings (Engine/DeveloperSettings.h).
// Known differences: every bone of a mesh is required (no level of detail), so a compact pose
// index always equals its mesh index; there are no virtual bones; a skeleton owns its preview
// mesh, which holds one LOD of positions only, kept as FVector in ordinary memory; there is no
// physics or collision (every spawn succeeds, a teleport changes nothing) and no primitive
// component layer; the world is its actors' outer (no level objects); a scene component keeps its
// rotation as a quaternion and works out its world transform when asked.
#include "Animation/Skeleton.h"
#include "BoneContainer.h"
#include "BonePose.h"
#include "Components/ActorComponent.h"
#include "Components/SceneComponent.h"
#include "Components/StaticMeshComponent.h"
#include "Engine/DeveloperSettings.h"
#include "Engine/EngineBaseTypes.h"
#include "Engine/EngineTypes.h"
#include "Engine/SkeletalMesh.h"
#include "Engine/StaticMesh.h"
#include "Engine/World.h"
#include "GameFramework/Actor.h"
#include "ReferenceSkeleton.h"
#include "Rendering/PositionVertexBuffer.h"
#include "Rendering/SkeletalMeshRenderData.h"
#include "TimerManager.h"
