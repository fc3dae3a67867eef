// The peer's 3136-ball grid array, timed as our recompute bench times ours: CPU time per call,
// warmed, the median of five runs. Usage: node bench/peer_footprinter.mjs PEER_FOLDER
import { pathToFileURL } from "node:url";
import path from "node:path";

const folder = process.argv[2];
const entry = path.join(folder, "node_modules/@tscircuit/footprinter/dist/index.js");
const { fp } = await import(pathToFileURL(entry).href);
const make = () => fp.string("bga3136_grid56x56_p1").circuitJson();

const pads = make().filter((e) => e.type === "pcb_smtpad").length;
for (let i = 0; i < 50; ++i) make();
const runs = [];
for (let r = 0; r < 5; ++r) {
  const calls = 40;
  const start = process.cpuUsage();
  for (let i = 0; i < calls; ++i) make();
  const used = process.cpuUsage(start);
  runs.push((used.user + used.system) / calls);
}
runs.sort((a, b) => a - b);
console.log(JSON.stringify({ name: "footprinter_bga3136_grid56x56_p1", pads, cpu_us: runs[2] }));
