#include "ViewerStateJson.h"

#include "JsonWriter.h"

namespace
{
constexpr int PositionDecimals = 4;
constexpr int RotationDecimals = 6;

std::string_view View(const FString& Text)
{
	return std::string_view(*Text, Text.Len());
}

void WriteVector(FJsonWriter& Json, const char* Key, const FVector& V)
{
	Json.Key(Key);
	Json.BeginArray();
	Json.Number(V.X, PositionDecimals);
	Json.Number(V.Y, PositionDecimals);
	Json.Number(V.Z, PositionDecimals);
	Json.EndArray();
}

void WriteQuat(FJsonWriter& Json, const FQuat& Q)
{
	Json.Key("q");
	Json.BeginArray();
	Json.Number(Q.X, RotationDecimals);
	Json.Number(Q.Y, RotationDecimals);
	Json.Number(Q.Z, RotationDecimals);
	Json.Number(Q.W, RotationDecimals);
	Json.EndArray();
}

void WriteName(FJsonWriter& Json, const char* Key, FName Name)
{
	Json.Key(Key);
	if (Name.IsNone())
	{
		Json.Null();
	}
	else
	{
		Json.String(View(Name.ToString()));
	}
}

void WriteBones(FJsonWriter& Json, const char* Key, const std::vector<FViewerBone>& Bones)
{
	Json.Key(Key);
	Json.BeginArray();
	for (const FViewerBone& Bone : Bones)
	{
		Json.BeginObject();
		WriteName(Json, "name", Bone.Name);
		Json.Key("parent");
		Json.Integer(Bone.Parent);
		WriteVector(Json, "p", Bone.Position);
		WriteQuat(Json, Bone.Rotation);
		Json.EndObject();
	}
	Json.EndArray();
}

void WriteShape(FJsonWriter& Json, const FViewerShape& Shape)
{
	Json.BeginObject();
	Json.Key("shape");
	Json.String(Shape.bSphere ? "sphere" : "box");
	WriteVector(Json, "p", Shape.Position);
	WriteQuat(Json, Shape.Rotation);
	WriteVector(Json, "size", Shape.Size);
	Json.EndObject();
}

void WriteSubject(FJsonWriter& Json, const FViewerSubject& Subject)
{
	Json.BeginObject();
	WriteName(Json, "name", Subject.Name);
	Json.Key("source");
	Json.String(View(Subject.Source));
	Json.Key("role");
	Json.String(View(Subject.Role));
	Json.Key("fps");
	Json.Number(Subject.FramesPerSecond, 1);
	Json.Key("sinceLastFrame");
	if (Subject.SecondsSinceLastFrame < 0.0)
	{
		Json.Null();
	}
	else
	{
		Json.Number(Subject.SecondsSinceLastFrame, 4);
	}
	Json.Key("dropped");
	Json.Integer(Subject.Dropped);
	Json.Key("late");
	Json.Integer(Subject.Late);
	if (Subject.bHasProp)
	{
		Json.Key("prop");
		WriteShape(Json, Subject.Prop);
	}
	else
	{
		WriteBones(Json, "bones", Subject.Bones);
	}
	Json.EndObject();
}

void WriteMappingRow(FJsonWriter& Json, const FViewerMappingRow& Row)
{
	Json.BeginObject();
	Json.Key("category");
	Json.String(View(Row.Category));
	WriteName(Json, "bone", Row.SourceBone);
	Json.Key("displayName");
	Json.String(View(Row.DisplayName));
	WriteName(Json, "target", Row.TargetBone);
	Json.Key("unmapped");
	Json.Bool(Row.TargetBone.IsNone());
	Json.Key("duplicate");
	Json.Bool(Row.bDuplicate);
	Json.Key("duplicateToolTip");
	Json.String(View(Row.DuplicateToolTip));
	Json.EndObject();
}

void WriteMapping(FJsonWriter& Json, const FViewerMapping& Mapping)
{
	Json.BeginObject();
	Json.Key("asset");
	Json.String(View(Mapping.Asset));
	Json.Key("rows");
	Json.BeginArray();
	for (const FViewerMappingRow& Row : Mapping.Rows)
	{
		WriteMappingRow(Json, Row);
	}
	Json.EndArray();
	Json.Key("DuplicateStatusText");
	Json.String(View(Mapping.DuplicateStatusText));
	Json.Key("MissingStatusText");
	Json.String(View(Mapping.MissingStatusText));
	Json.Key("mapped");
	Json.Integer(Mapping.Mapped);
	Json.Key("total");
	Json.Integer(Mapping.Total);
	Json.Key("percent");
	Json.Integer(Mapping.Percent);
	Json.Key("statistics");
	Json.String(View(FString::Printf("Mapped: %d / %d (%d%%)", Mapping.Mapped, Mapping.Total, Mapping.Percent)));
	Json.EndObject();
}

void WriteTarget(FJsonWriter& Json, const FViewerTarget& Target)
{
	Json.BeginObject();
	WriteName(Json, "subject", Target.Subject);
	Json.Key("asset");
	Json.String(View(Target.Asset));
	Json.Key("skeleton");
	Json.String(View(Target.Skeleton));
	Json.Key("posesPerSecond");
	Json.Number(Target.PosesPerSecond, 1);
	Json.Key("previewMesh");
	Json.Bool(Target.PreviewMesh != nullptr);
	WriteBones(Json, "bones", Target.Bones);
	Json.Key("mapping");
	if (Target.Mapping)
	{
		Json.Raw(Target.Mapping->Json);
	}
	else
	{
		Json.Null();
	}
	Json.EndObject();
}

void WriteActor(FJsonWriter& Json, const FViewerActor& Actor)
{
	Json.BeginObject();
	Json.Key("label");
	Json.String(View(Actor.Label));
	WriteVector(Json, "p", Actor.Position);
	WriteQuat(Json, Actor.Rotation);
	WriteName(Json, "follows", Actor.Follows);
	Json.Key("receiving");
	Json.Bool(Actor.bReceiving);
	Json.Key("shapes");
	Json.BeginArray();
	for (const FViewerShape& Shape : Actor.Shapes)
	{
		WriteShape(Json, Shape);
	}
	Json.EndArray();
	Json.EndObject();
}

/** Key: [ Write(each) ] */
template <typename T, typename WriteFunction>
void WriteList(FJsonWriter& Json, const char* Key, const std::vector<T>& Items, WriteFunction Write)
{
	Json.Key(Key);
	Json.BeginArray();
	for (const T& Item : Items)
	{
		Write(Json, Item);
	}
	Json.EndArray();
}
}

std::string ViewerStateToJson(const FViewerState& State)
{
	// About the size of two characters, a prop, a retargeted character and its mapping.
	FJsonWriter Json(32 * 1024);
	Json.BeginObject();
	Json.Key("time");
	Json.Number(State.RunSeconds, 4);
	Json.Key("frame");
	Json.Integer(State.EngineFrame);
	WriteList(Json, "sources", State.Sources, [](FJsonWriter& Out, const FViewerSource& Source) {
		Out.BeginObject();
		Out.Key("type");
		Out.String(View(Source.Type));
		Out.Key("machine");
		Out.String(View(Source.Machine));
		Out.Key("status");
		Out.String(View(Source.Status));
		Out.Key("dropped");
		Out.String(View(Source.Dropped));
		Out.EndObject();
	});
	WriteList(Json, "subjects", State.Subjects, WriteSubject);
	WriteList(Json, "targets", State.Targets, WriteTarget);
	WriteList(Json, "actors", State.Actors, WriteActor);
	Json.EndObject();
	return Json.Take();
}

std::string ViewerMappingToJson(const FViewerMapping& Mapping)
{
	FJsonWriter Json;
	WriteMapping(Json, Mapping);
	return Json.Take();
}

std::string ViewerPreviewMeshToJson(const FViewerPreviewMesh& Mesh)
{
	FJsonWriter Json;
	Json.BeginObject();
	Json.Key("vertices");
	Json.BeginArray();
	for (const FVector& Vertex : Mesh.Vertices)
	{
		Json.Number(Vertex.X, PositionDecimals);
		Json.Number(Vertex.Y, PositionDecimals);
		Json.Number(Vertex.Z, PositionDecimals);
	}
	Json.EndArray();
	WriteBones(Json, "restBones", Mesh.RestBones);
	Json.EndObject();
	return Json.Take();
}
