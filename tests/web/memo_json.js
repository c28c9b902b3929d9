// The memo document of each file after each command, made by the WebAssembly engine, one JSON
// text a line, as the native tests/io/memo_json_dump.cpp makes it: the web stage compares them.
//   node tests/web/memo_json.js build-wasm/web/engine.js MADE_MS FILE...
const fs = require('fs');
const path = require('path');
const createZanEngine = require(path.resolve(process.argv[2]));
const made = Number(process.argv[3]);
const commands = [(e) => e.analyse(0), (e) => e.analyse(1), (e) => e.analyse(2), (e) => e.designThickness()];

createZanEngine().then((module) => {
  const out = [];
  for (const file of process.argv.slice(4)) {
    const name = path.basename(file);
    const bytes = fs.readFileSync(file).toString('latin1');
    for (const command of commands) {
      const engine = new module.Engine();
      if (JSON.parse(engine.readFile(bytes, name)).status !== 0) break;
      command(engine);
      // The session's texts cross as UTF-8 bytes, one character each.
      const options = JSON.stringify({ file: name, made, charts: true });
      out.push(Buffer.from(engine.memo(options), 'latin1').toString('utf8'));
      engine.delete();
    }
  }
  process.stdout.write(out.map((line) => `${line}\n`).join(''));
});
