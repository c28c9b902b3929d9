// One Both analysis of the initial English design in the WebAssembly engine, in CPU time, as
// bench/zan_bench.cpp's analysisBothParts measures it natively.
//   node tests/web/bench.js build-wasm/web/engine.js  ->  "wasm analysis: N ns"
const createZanEngine = require(require('path').resolve(process.argv[2]));
createZanEngine().then((module) => {
  const engine = new module.Engine();
  engine.repeatAnalysis(2000);  // warm up
  let best = Infinity;
  for (let round = 0; round < 5; ++round) {
    const runs = 20000;
    const start = process.cpuUsage();
    engine.repeatAnalysis(runs);
    const used = process.cpuUsage(start);
    best = Math.min(best, ((used.user + used.system) * 1000) / runs);
  }
  console.log(`wasm analysis: ${best.toFixed(0)} ns`);
});
