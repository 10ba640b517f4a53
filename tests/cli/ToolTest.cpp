// SPDX-License-Identifier: GPL-3.0-or-later
// The built tool as a user runs it: exit statuses, the two streams, JSON and PNG output,
// checked against a session built in this process from the same options.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numbers>

#include "app/NumberText.h"
#include "session/Session.h"
#include "model/FanZone.h"
#include "model/LowerFan.h"
#include "model/UpperFan.h"

namespace {

struct ToolRun {
  int exitCode = -1;
  QByteArray out;
  QByteArray err;
};

ToolRun runTool(const QStringList& arguments) {
  QProcess process;
  process.start(QStringLiteral(ZERKON_CLI_PATH), arguments);
  ToolRun run;
  if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) return run;
  run.exitCode = process.exitCode();
  run.out = process.readAllStandardOutput();
  run.err = process.readAllStandardError();
  return run;
}

QJsonObject jsonOf(const ToolRun& run) {
  QJsonParseError error{};
  const QJsonDocument doc = QJsonDocument::fromJson(run.out, &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << run.out.left(200).toStdString();
  return doc.object();
}

std::uint64_t bits(double value) {
  return std::bit_cast<std::uint64_t>(value);
}

// Reads a number back from the JSON text itself, so that no JSON library's own conversion
// stands between the written digits and the compared bits.
class NumberReader {
 public:
  explicit NumberReader(const QByteArray& json) : text(json.toStdString()) {}
  // The next number after position `from` of the text, strings skipped.
  double next() {
    while (pos < text.size()) {
      const char c = text[pos];
      if (c == '"') {
        pos = text.find('"', pos + 1) + 1;
      } else if (c == '-' || (c >= '0' && c <= '9')) {
        char* end = nullptr;
        const double value = std::strtod(text.c_str() + pos, &end);
        pos = static_cast<std::size_t>(end - text.c_str());
        return value;
      } else {
        ++pos;
      }
    }
    ADD_FAILURE() << "ran out of numbers";
    return 0;
  }
  void skipTo(const std::string& marker) { pos = text.find(marker, pos) + marker.size(); }

 private:
  std::string text;
  std::size_t pos = 0;
};

struct ErrorCase {
  const char* name;
  QStringList arguments;
  friend void PrintTo(const ErrorCase& c, std::ostream* os) {
    *os << c.arguments.join(' ').toStdString();
  }
};

class ToolErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ToolErrors, ExitWithTwoOneLineOnStderrAndNothingOnStdout) {
  const ToolRun run = runTool(GetParam().arguments);
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
  ASSERT_TRUE(run.err.endsWith('\n')) << run.err.toStdString();
  EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
  EXPECT_TRUE(run.err.startsWith("zerkon-cli: ")) << run.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    , ToolErrors,
    ::testing::Values(ErrorCase{"UnknownCommand", {"frobnicate"}},
                      ErrorCase{"UnknownOption", {"--frob", "zones"}}, ErrorCase{"NoCommand", {}},
                      ErrorCase{"BadTicks", {"--ticks", "ten", "zones"}},
                      ErrorCase{"NegativeTicks", {"--ticks", "-1", "zones"}},
                      ErrorCase{"BadSize", {"--size", "300by200", "render", "-"}},
                      ErrorCase{"BadDrag", {"--drag", "1", "zones"}},
                      ErrorCase{"BadAngle", {"--angle", "5deg", "zones"}},
                      ErrorCase{"BadPoint", {"sample", "1,2,3"}},
                      ErrorCase{"UnwritableFile", {"render", "/nonexistent-dir/frame.png"}},
                      ErrorCase{"DirectoryAsFile", {"render", "/"}},
                      ErrorCase{"SweepStepZero", {"sweep", "--step", "0"}},
                      ErrorCase{"ChartOfNothing", {"chart", "pie", "x.png"}},
                      ErrorCase{"ChartWithoutFile", {"chart", "loads"}},
                      ErrorCase{"ChartAsJpeg", {"chart", "loads", "x.jpg"}},
                      ErrorCase{"ChartTooSmall", {"--chart-size", "99x600", "chart", "loads", "-"}},
                      ErrorCase{"ChartSizeForRender", {"--chart-size", "800x600", "render", "-"}},
                      ErrorCase{"ChartUnwritable", {"chart", "loads", "/nonexistent-dir/c.svg"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Tool, FreeStreamTextsAreNeverAnErrorAndNonFiniteValuesAreStrings) {
  const ToolRun run =
      runTool({"--temperature", "0", "--velocity", "0 m/s", "--json", "freestream"});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  const QJsonObject o = jsonOf(run);
  for (const char* key : {"velocity", "temperature", "pressure", "density", "soundSpeed", "mach",
                          "specificVolume", "modelDensity", "shown"})
    EXPECT_TRUE(o.contains(key)) << key;
  EXPECT_EQ(o["density"].toString(), "Infinity");
  EXPECT_EQ(o["modelDensity"].toDouble(-1), 0.0);  // shown as "inf", which reads as 0
  EXPECT_EQ(o["mach"].toString(), "NaN");          // 0 / 0
  EXPECT_EQ(o["soundSpeed"].toDouble(), 0.0);
  const QJsonObject shown = o["shown"].toObject();
  EXPECT_EQ(shown["V1"].toString(), "0 m/s");
  EXPECT_EQ(shown["P1"].toString(), "100000");
  EXPECT_EQ(shown["rho1"].toString(), "inf");
  for (const char* key : {"V1", "T1", "P1", "rho1", "c1", "M1", "v01"})
    EXPECT_TRUE(shown[key].isString()) << key;
}

TEST(Tool, ZonesAreTheSessionsBitForBit) {
  const QStringList options = {"--velocity", "800", "--drag", "600,380", "--ticks", "3"};
  const ToolRun run = runTool(options + QStringList{"--json", "zones"});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  const QJsonObject o = jsonOf(run);
  for (const char* key :
       {"centreX", "centreY", "halfLength", "angle", "leadingEdgeY", "viewWidth", "viewHeight"})
    EXPECT_TRUE(o[key].isDouble()) << key;
  const QJsonArray zones = o["zones"].toArray();
  ASSERT_EQ(zones.size(), 4);
  const char* classes[] = {"LowerShock", "LowerFan", "UpperFan", "UpperShock"};
  for (int i = 0; i < 4; ++i) {
    const QJsonObject z = zones[i].toObject();
    EXPECT_EQ(z["class"].toString(), classes[i]);
    for (const char* key : {"originX", "originY", "plateAngle", "halfLength"})
      EXPECT_TRUE(z[key].isDouble()) << key;
    EXPECT_TRUE(z["lowerSide"].isBool());
    EXPECT_EQ(z["upstream"].toObject().keys(),
              (QStringList{"mach", "pressure", "soundSpeed", "temperature", "velocity"}));
    const bool fan = i == 1 || i == 2;
    EXPECT_EQ(z.contains("lastChange"), fan);
    EXPECT_EQ(z.contains("crossSpeed"), !fan);
    EXPECT_EQ(z.size(), fan ? 15 : 11);
  }

  SessionOptions same;
  same.velocity = "800";
  same.drags = {{600, 380}};
  same.ticks = 3;
  const Session session{same};
  NumberReader reader(run.out);
  reader.skipTo("\"angle\":");
  EXPECT_EQ(bits(reader.next()), bits(session.model().angle));
  reader.skipTo("\"leadingEdgeY\":");
  EXPECT_EQ(bits(reader.next()), bits(session.model().leadingEdgeY));
  const FanZone& upperFan = session.model().upperFan();
  reader.skipTo("\"UpperFan\"");
  reader.skipTo("\"exitVx\":");
  EXPECT_EQ(bits(reader.next()), bits(upperFan.exitVx));
  reader.skipTo("\"lastValue\":");
  EXPECT_EQ(bits(reader.next()), bits(upperFan.lastValue));
}

TEST(Tool, TracersRoundTripBitForBit) {
  const ToolRun run = runTool({"--ticks", "40", "--json", "tracers"});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  const QJsonObject o = jsonOf(run);
  ASSERT_EQ(o["tracers"].toArray().size(), 10000);
  EXPECT_EQ(o["tracers"].toArray()[0].toArray().size(), 6);
  EXPECT_TRUE(o["tracers"].toArray()[0].toArray()[4].isBool());
  const QJsonArray bubbles = o["bubbles"].toArray();
  ASSERT_EQ(bubbles.size(), 2);
  EXPECT_EQ(bubbles[0].toObject().keys(),
            (QStringList{"captured", "radius", "turned", "vx", "vy", "x", "y"}));

  SessionOptions same;
  same.ticks = 40;
  const Session session{same};
  NumberReader reader(run.out);
  for (const Tracer& t : session.animation().tracers()) {
    for (const double expected : {t.x, t.y, t.vx, t.vy})
      ASSERT_EQ(bits(reader.next()), bits(expected)) << expected;
  }
  for (const auto& b : session.animation().bubbles()) {
    reader.skipTo("{");
    EXPECT_EQ(bits(reader.next()), bits(b->x));
    EXPECT_EQ(bits(reader.next()), bits(b->y));
    EXPECT_EQ(bits(reader.next()), bits(b->vx));
    EXPECT_EQ(bits(reader.next()), bits(b->vy));
    EXPECT_EQ(reader.next(), b->radius);
  }
}

TEST(Tool, StreamlinesAreTwelvePathsInIndexOrder) {
  const ToolRun run = runTool({"--angle", "20", "--json", "streamlines"});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  const QJsonArray lines = jsonOf(run)["streamlines"].toArray();
  ASSERT_EQ(lines.size(), 12);

  SessionOptions same;
  same.angle = 20.0;
  const Session session{same};
  NumberReader reader(run.out);
  for (int i = 0; i < 12; ++i) {
    const Streamline& s = session.animation().streamlines()[static_cast<std::size_t>(i)];
    const QJsonArray points = lines[i].toObject()["points"].toArray();
    ASSERT_EQ(points.size(), static_cast<qsizetype>(s.points.size())) << i;
    reader.skipTo("\"startY\":");
    EXPECT_EQ(bits(reader.next()), bits(s.startY)) << i;
    for (const PathPoint& p : s.points) {
      ASSERT_EQ(bits(reader.next()), bits(p.x));
      ASSERT_EQ(bits(reader.next()), bits(p.y));
    }
  }
}

TEST(Tool, SampleShowsEachPointsValuesAndTheirFieldTexts) {
  const ToolRun run = runTool({"--json", "sample", "336,280", "450,150", "-20,100", "500,300"});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  const QJsonArray points = jsonOf(run)["points"].toArray();
  ASSERT_EQ(points.size(), 4);

  Session session{SessionOptions{}};
  NumberReader reader(run.out);
  const PixelPoint asked[] = {{336, 280}, {450, 150}, {-20, 100}, {500, 300}};
  for (int i = 0; i < 4; ++i) {
    // Probed in the same order: the fans' scratch carries from one point to the next.
    const FlowSample s = session.probe(asked[i]);
    const QJsonObject p = points[i].toObject();
    EXPECT_EQ(p["x"].toInt(), asked[i].x);
    EXPECT_EQ(p["y"].toInt(), asked[i].y);
    reader.skipTo("\"temperature\":");
    const double values[] = {s.temperature, s.pressure, s.density, s.velocityPhi,   s.velocityR,
                             s.soundSpeed,  s.speed,    s.mach,    s.specificVolume};
    for (const double v : values) EXPECT_EQ(bits(reader.next()), bits(v));
    const QJsonObject shown = p["shown"].toObject();
    const std::pair<const char*, double> texts[] = {
        {"T", s.temperature}, {"P", s.pressure},       {"rho", s.density},
        {"c", s.soundSpeed},  {"M", s.mach},           {"v0", s.specificVolume},
        {"V", s.speed},       {"Vphi", s.velocityPhi}, {"Vr", s.velocityR}};
    for (const auto& [key, value] : texts)
      EXPECT_EQ(shown[key].toString().toStdString(), formatNumber(value)) << key;
  }
}

TEST(Tool, AZeroAngleIsPositiveZero) {
  for (const char* text : {"0", "-0", "-0.0"}) {
    const ToolRun run = runTool({"--angle", text, "--json", "zones"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("\"angle\":0,")) << text;
  }
}

TEST(Tool, RenderWritesThePictureAsAPng) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath("frame.png");
  const ToolRun run = runTool({"--size", "300x200", "--ticks", "5", "render", path});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_TRUE(run.out.isEmpty());
  QImage saved;
  ASSERT_TRUE(saved.load(path, "PNG"));
  EXPECT_EQ(saved.size(), QSize(300, 200));

  SessionOptions same;
  same.width = 300;
  same.height = 200;
  same.ticks = 5;
  const Session session{same};
  EXPECT_TRUE(saved.convertToFormat(QImage::Format_RGB32) == session.picture());
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"frame.png"});  // no leftovers
}

TEST(Tool, RenderToADashWritesThePngToStdout) {
  const ToolRun run = runTool({"--size", "120x90", "render", "-"});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  QImage image;
  ASSERT_TRUE(image.loadFromData(run.out, "PNG"));
  EXPECT_EQ(image.size(), QSize(120, 90));
}

TEST(Tool, ChartIsAPngOrAnSvgByItsExtension) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const struct {
    QStringList arguments;
    const char* file;  // nullptr: standard output
    const char* format;
    QSize size;
  } cases[] = {
      {{"chart", "thetabeta"}, "tb.png", "PNG", QSize(800, 600)},
      {{"--chart-size", "640x480", "--size", "300x200", "chart", "loads"},
       "l.PNG",
       "PNG",
       QSize(640, 480)},
      {{"--angle", "5", "chart", "loads"}, nullptr, "PNG", QSize(800, 600)},
      {{"--velocity", "900", "chart", "thetabeta"}, "tb.svg", "SVG", QSize(800, 600)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments.join(' ').toStdString());
    const QString path = c.file ? dir.filePath(c.file) : QStringLiteral("-");
    const ToolRun run = runTool(c.arguments + QStringList{path});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    QByteArray bytes = run.out;
    if (c.file) {
      EXPECT_TRUE(run.out.isEmpty());
      QFile file(path);
      ASSERT_TRUE(file.open(QIODevice::ReadOnly));
      bytes = file.readAll();
    }
    if (QByteArray(c.format) == "SVG") {
      EXPECT_TRUE(bytes.startsWith("<?xml")) << bytes.left(40).toStdString();
      EXPECT_TRUE(bytes.contains("viewBox=\"0 0 800 600\""));
      EXPECT_TRUE(bytes.contains("M₁ = 2.672"));
    } else {
      QImage image;
      ASSERT_TRUE(image.loadFromData(bytes, "PNG"));
      EXPECT_EQ(image.size(), c.size);
    }
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3);  // no leftovers
}

TEST(Tool, TheoryBesideTheModel) {
  const ToolRun detached = runTool({"--json", "theory"});
  ASSERT_EQ(detached.exitCode, 0) << detached.err.toStdString();
  const QJsonObject d = jsonOf(detached);
  EXPECT_EQ(d["regime"].toString(), "Detached");
  EXPECT_EQ(d["message"].toString(), QString::fromUtf8("shock detached above θmax = 7.65°"));
  EXPECT_TRUE(d["lift"].isNull());
  EXPECT_TRUE(d["lower"].toObject()["modelOverExact"].isNull());
  EXPECT_TRUE(d["lower"].toObject()["modelPressure"].isDouble());

  const ToolRun attached = runTool({"--angle", "5", "--velocity", "900", "--json", "theory"});
  ASSERT_EQ(attached.exitCode, 0) << attached.err.toStdString();
  const QJsonObject a = jsonOf(attached);
  EXPECT_EQ(a["regime"].toString(), "ShockExpansion");
  for (const char* key : {"normalForce", "lift", "drag", "liftToDrag", "linearLift", "linearDrag",
                          "liftLoad", "dragLoad", "maxDeflectionDeg"})
    EXPECT_TRUE(a[key].isDouble()) << key;
  for (const char* face : {"lower", "upper"}) {
    const QJsonObject f = a[face].toObject();
    for (const char* key :
         {"mach", "pressure", "temperature", "density", "modelPressure", "modelOverExact"})
      EXPECT_TRUE(f[key].isDouble()) << face << " " << key;
  }

  const ToolRun subsonic = runTool({"--velocity", "300", "theory"});
  ASSERT_EQ(subsonic.exitCode, 0) << subsonic.err.toStdString();
  EXPECT_TRUE(subsonic.out.contains("subsonic free stream")) << subsonic.out.toStdString();
  EXPECT_TRUE(subsonic.out.contains("—"));
  EXPECT_FALSE(subsonic.out.contains("nan"));
}

// The columns of a CSV line; the sweep writes no quoted cells.
QList<QByteArray> cells(const QByteArray& line) {
  return line.split(',');
}

TEST(Tool, SweepRowsAreTheTheoryCommandsAtTheSameAngle) {
  const QStringList freeStream = {"--velocity", "900"};
  const ToolRun csv = runTool(freeStream + QStringList{"sweep", "--csv", "--step", "0.5"});
  ASSERT_EQ(csv.exitCode, 0) << csv.err.toStdString();
  const QList<QByteArray> lines = csv.out.trimmed().split('\n');
  ASSERT_EQ(lines.size(), 1 + 151);
  EXPECT_EQ(lines[0],
            "alpha_deg,regime,beta_deg,cl,cd,ld,cl_ackeret,cd_ackeret,cl_busemann,cd_busemann,"
            "cl_model,cd_model");
  for (const int row : {0, 11, 40, 60, 150}) {  // 0°, 5.5°, 20°, 30° and 75°, detached
    const QList<QByteArray> c = cells(lines[1 + row]);
    ASSERT_EQ(c.size(), 12) << lines[1 + row].toStdString();
    const QString angle = QString::fromUtf8(c[0]);
    SCOPED_TRACE(angle.toStdString());
    const ToolRun theory = runTool(freeStream + QStringList{"--angle", angle, "--json", "theory"});
    const QJsonObject t = jsonOf(theory);
    NumberReader reader(theory.out);
    const auto read = [&](const char* key, const char* within = nullptr) {
      reader = NumberReader(theory.out);
      if (within) reader.skipTo(std::string("\"") + within + "\":");
      reader.skipTo(std::string("\"") + key + "\":");
      return reader.next();
    };
    const auto same = [&](const QByteArray& cell, const char* key) {
      if (t[key].isNull()) {
        EXPECT_TRUE(cell.isEmpty()) << key << " " << cell.toStdString();
        return;
      }
      EXPECT_EQ(bits(std::strtod(cell.constData(), nullptr)), bits(read(key))) << key;
    };
    EXPECT_EQ(c[1], t["regime"].toString() == "Detached" ? "detached" : "attached");
    same(c[3], "lift");
    same(c[4], "drag");
    same(c[5], "liftToDrag");
    same(c[6], "linearLift");
    same(c[7], "linearDrag");
    if (t["lower"].toObject()["shockAngleDeg"].isNull()) {
      EXPECT_TRUE(c[2].isEmpty());
    } else {
      EXPECT_NEAR(c[2].toDouble(), t["lower"].toObject()["shockAngleDeg"].toDouble(), 1e-12);
    }
    // The model's c_l from the same face pressures the theory command shows.
    const bool faces = t["lower"].toObject()["modelPressure"].isDouble() &&
                       t["upper"].toObject()["modelPressure"].isDouble();
    const double lower = faces ? read("modelPressure", "lower") : 0.0;
    const double upper = faces ? read("modelPressure", "upper") : 0.0;
    const double mach = read("mach");
    const double alpha = read("angle");
    const double cl = (lower - upper) / (0.5 * 1.4 * mach * mach) * std::cos(alpha);
    if (faces) {
      EXPECT_EQ(bits(std::strtod(c[10].constData(), nullptr)), bits(cl));
    } else {
      EXPECT_TRUE(c[10].isEmpty());
    }
  }

  const ToolRun json = runTool({"--json", "sweep", "--from", "70", "--to", "75", "--step", "5"});
  ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
  const QJsonArray rows = QJsonDocument::fromJson(json.out).array();
  ASSERT_EQ(rows.size(), 2);
  const QJsonObject last = rows[1].toObject();
  EXPECT_EQ(last.keys().size(), 12);
  EXPECT_EQ(last["alpha_deg"].toDouble(), 75.0);
  EXPECT_EQ(last["regime"].toString(), "detached");
  EXPECT_TRUE(last["beta_deg"].isNull());
  EXPECT_TRUE(last["cl_busemann"].isDouble());

  const ToolRun text = runTool({"sweep", "--to", "2"});
  ASSERT_EQ(text.exitCode, 0) << text.err.toStdString();
  EXPECT_TRUE(text.out.startsWith("alpha_deg  regime    beta_deg")) << text.out.toStdString();
  EXPECT_EQ(text.out.count('\n'), 4);
}

TEST(Tool, VerifyPassesEveryTextbookCase) {
  const ToolRun run = runTool({"verify", "--json"});
  ASSERT_EQ(run.exitCode, 0) << run.out.toStdString();
  const QJsonObject o = jsonOf(run);
  EXPECT_TRUE(o["passed"].toBool());
  const QJsonArray cases = o["cases"].toArray();
  EXPECT_GE(cases.size(), 27);
  for (const char* key : {"flow", "source", "quantity", "published", "printed", "tolerance",
                          "value", "difference", "passed", "note"})
    EXPECT_TRUE(cases[0].toObject().contains(key)) << key;
  const ToolRun text = runTool({"verify"});
  EXPECT_EQ(text.exitCode, 0);
  EXPECT_TRUE(text.out.endsWith(" cases pass\n")) << text.out.toStdString();
}

TEST(Tool, TextFormAlignsOneValueALine) {
  const ToolRun run = runTool({"freestream"});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_TRUE(run.out.startsWith("velocity        450\n")) << run.out.toStdString();
  EXPECT_TRUE(run.out.contains("  rho1  1.234\n"));
}

TEST(Tool, HelpGoesToStdoutAndSucceeds) {
  const ToolRun run = runTool({"--help"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_TRUE(run.out.contains("theory"));
  EXPECT_TRUE(run.err.isEmpty());
}

}  // namespace
