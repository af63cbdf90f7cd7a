#include "GeneratedCode.h"

namespace
{
std::string FileId(const FReflectedHeader& Header, const std::string& Module)
{
	return "FID_" + Module + "_" + Header.BaseName + "_h";
}

std::string Pairs(const std::vector<FMetaEntry>& Meta)
{
	std::string Text;
	for (const FMetaEntry& Entry : Meta)
	{
		Text += (Text.empty() ? "" : ", ") + std::string("{\"") + Entry.Key + "\", \"" + Entry.Value + "\"}";
	}
	return Text;
}

std::string Join(const std::vector<std::string>& Parts, const char* Separator, const char* Empty)
{
	std::string Text;
	for (const std::string& Part : Parts)
	{
		Text += (Text.empty() ? "" : Separator) + Part;
	}
	return Text.empty() ? Empty : Text;
}

std::string ParameterList(const FReflectedFunction& Function, bool bWithTypes)
{
	std::vector<std::string> Parts;
	for (const FReflectedParameter& Parameter : Function.Parameters)
	{
		Parts.push_back(bWithTypes ? Parameter.Type + " " + Parameter.Name : Parameter.Name);
	}
	return Join(Parts, ", ", "");
}

std::string StaticsName(const FReflectedType& Type)
{
	return "Z_Construct_UClass_" + Type.Name + "_Statics";
}

/** The lines GENERATED_BODY() stands for in the type's body. */
std::vector<std::string> BodyLines(const FReflectedType& Type)
{
	if (!Type.IsClass())
	{
		return {"friend void ZevoDeclareReflection(ZevoReflection::TTypeBuilder<" + Type.Name + ">& Builder);",
			"static UScriptStruct* StaticStruct();"};
	}
	std::vector<std::string> Lines{"ZEVO_CLASS(" + Type.Name + ", " + Type.Super + ")"};
	if (!Type.ConfigName.empty())
	{
		Lines.push_back("static const TCHAR* StaticConfigName() { return TEXT(\"" + Type.ConfigName + "\"); }");
	}
	for (const FReflectedFunction& Function : Type.Functions)
	{
		// The class implements the event's native part; a subclass overrides it.
		if (Function.bNativeEvent && !Type.Declares(Function.Name + "_Implementation"))
		{
			Lines.push_back("virtual " + Function.ReturnType + " " + Function.Name + "_Implementation(" + ParameterList(Function, true) + ")"
				+ (Function.bConst ? " const;" : ";"));
		}
	}
	Lines.push_back("friend struct " + StaticsName(Type) + ";");
	Lines.push_back("private:");
	return Lines;
}

void WriteConditional(std::string& Out, const std::string& Condition, const std::string& Code)
{
	Out += Condition.empty() ? Code : "#if " + Condition + "\n" + Code + "#endif\n";
}

void WriteEnum(std::string& Out, const FReflectedEnum& Enum)
{
	Out += "ZEVO_IMPLEMENT_ENUM(" + Enum.Name + ", ZEVO_ENUM_META(" + Pairs(Enum.Meta) + ")";
	for (const FReflectedEnumEntry& Entry : Enum.Entries)
	{
		const std::string Meta = Pairs(Entry.Meta);
		Out += ",\n\tZEVO_ENUM_ENTRY(" + Enum.Name + ", " + Entry.Name + (Meta.empty() ? "" : ", " + Meta) + ")";
	}
	Out += ")\n\n";
}

void WriteProperties(std::string& Out, const FReflectedType& Type)
{
	if (!Type.Meta.empty())
	{
		Out += "\tBuilder.MetaData({" + Pairs(Type.Meta) + "});\n";
	}
	for (const FReflectedProperty& Property : Type.Properties)
	{
		const std::string Meta = Pairs(Property.Meta);
		const std::string Macro = Property.ObjectClass.empty() ? "ZEVO_PROPERTY(" + Property.Name : "ZEVO_OBJECT_PROPERTY(" + Property.Name + ", " + Property.ObjectClass;
		WriteConditional(Out, Property.Condition, "\t" + Macro + ", " + Join(Property.Flags, " | ", "CPF_None") + (Meta.empty() ? "" : ", " + Meta) + ");\n");
	}
}

void WriteFunctions(std::string& Out, const FReflectedType& Type)
{
	std::string Statics, Registrants;
	for (const FReflectedFunction& Function : Type.Functions)
	{
		if (Function.bNativeEvent)
		{
			Out += Function.ReturnType + " " + Type.Name + "::" + Function.Name + "(" + ParameterList(Function, true) + ")" + (Function.bConst ? " const" : "")
				+ "\n{\n\treturn " + Function.Name + "_Implementation(" + ParameterList(Function, false) + ");\n}\n\n";
		}
		if (Function.IsOptionsFunction())
		{
			WriteConditional(Statics, Function.Condition,
				"\tstatic TArray<FString> " + Function.Name + "(const UObject& Object) { return static_cast<const " + Type.Name + "&>(Object)." + Function.Name
					+ "(); }\n");
			WriteConditional(Registrants, Function.Condition,
				"static const FOptionsFunctionRegistrant Z_OptionsFunction_" + Type.Name + "_" + Function.Name + "(" + Type.Name + "::StaticClass(), \""
					+ Function.Name + "\", &" + StaticsName(Type) + "::" + Function.Name + ");\n");
		}
	}
	if (!Statics.empty())
	{
		Out += "struct " + StaticsName(Type) + "\n{\n" + Statics + "};\n" + Registrants + "\n";
	}
}

void WriteType(std::string& Out, const FReflectedType& Type)
{
	if (Type.IsClass())
	{
		Out += "ZEVO_REFLECT_CLASS(" + Type.Name + ", " + Join(Type.ClassFlags, " | ", "CLASS_None") + ")\n{\n";
		WriteProperties(Out, Type);
		Out += "}\n\n";
		WriteFunctions(Out, Type);
		return;
	}
	Out += "ZEVO_REFLECT_STRUCT(" + Type.Name + ")\n{\n";
	WriteProperties(Out, Type);
	Out += "}\n\nUScriptStruct* " + Type.Name + "::StaticStruct()\n{\n\treturn TBaseStructure<" + Type.Name + ">::Get();\n}\n\n";
}
}

std::string WriteGeneratedHeader(const FReflectedHeader& Header, const std::string& Module)
{
	const std::string Guard = "ZEVO_" + Module + "_" + Header.BaseName + "_generated_h";
	std::string Out = "// " + Header.BaseName + ".generated.h: the reflection of " + Header.BaseName
		+ ".h, written by the header tool. Do not edit.\n#ifdef " + Guard + "\n#error \"" + Header.BaseName
		+ ".generated.h already included, missing '#pragma once' in " + Header.BaseName + ".h\"\n#endif\n#define " + Guard
		+ "\n\n#include \"UObject/ObjectMacros.h\"\n\n#undef CURRENT_FILE_ID\n#define CURRENT_FILE_ID " + FileId(Header, Module) + "\n\n";
	for (const FReflectedEnum& Enum : Header.Enums)
	{
		Out += "enum class " + Enum.Name + " : " + Enum.UnderlyingType + ";\ntemplate <>\nUEnum* StaticEnum<" + Enum.Name + ">();\n\n";
	}
	for (const FReflectedType& Type : Header.Types)
	{
		if (!Type.IsClass())
		{
			Out += "struct " + Type.Name + ";\nZEVO_DECLARE_STRUCT(" + Type.Name + ")\n\n";
		}
	}
	for (const FReflectedType& Type : Header.Types)
	{
		Out += "#define " + FileId(Header, Module) + "_" + std::to_string(Type.GeneratedBodyLine) + "_GENERATED_BODY";
		for (const std::string& Line : BodyLines(Type))
		{
			Out += " \\\n\t" + Line;
		}
		Out += "\n\n";
	}
	return Out;
}

std::string WriteGeneratedSource(const std::vector<FGeneratedHeaderInput>& Headers, const std::string& Module)
{
	std::string Out = "// " + Module + ".gen.cpp: the reflection of the module " + Module + ", written by the header tool. Do not edit.\n"
		+ "#include \"UObject/ObjectMacros.h\"\n#include \"UObject/ReflectedFunction.h\"\n";
	for (const FGeneratedHeaderInput& Input : Headers)
	{
		Out += "#include \"" + Input.IncludePath + "\"\n";
	}
	Out += "\n";
	for (const FGeneratedHeaderInput& Input : Headers)
	{
		for (const FReflectedEnum& Enum : Input.Header.Enums)
		{
			WriteEnum(Out, Enum);
		}
		for (const FReflectedType& Type : Input.Header.Types)
		{
			WriteType(Out, Type);
		}
	}
	return Out;
}
