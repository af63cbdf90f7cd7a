// The 3D scene in the engine's frame (Z up, centimetres): a floor grid, every stream skeleton as
// its source pushes it, every retargeted character as its built pose (with its preview mesh when
// the skeleton has one), every prop and every level actor with the cube or sphere it draws.
import * as THREE from 'three';
import { OrbitControls } from 'three/addons/controls/OrbitControls.js';
import { CSS2DObject, CSS2DRenderer } from 'three/addons/renderers/CSS2DRenderer.js';

THREE.Object3D.DEFAULT_UP.set(0, 0, 1);

const Colours = { stream: 0x4fc3f7, target: 0xffb74d, prop: 0x81c784, actor: 0xce93d8 };
// Where a retargeted character stands relative to its stream skeleton when drawn side by side.
const SideBySideOffset = new THREE.Vector3(0, 150, 0);
const JointRadius = 1.6;
const LabelHeight = 25;

function makeLabel(text, kind) {
  const element = document.createElement('div');
  element.className = `label ${kind}`;
  element.textContent = text;
  return new CSS2DObject(element);
}

const setPose = (object, p, q) => {
  object.position.set(p[0], p[1], p[2]);
  object.quaternion.set(q[0], q[1], q[2], q[3]);
};

/**
 * Bones as lines from each joint to its parent's, and a small ball per joint. A target's root bone
 * stays at the mesh's origin on the floor while the hips move: its line to the hips is left out.
 */
class SkeletonView {
  constructor(kind, name, parent) {
    this.kind = kind;
    this.linkRoot = kind === 'stream';
    this.group = new THREE.Group();
    this.material = new THREE.MeshBasicMaterial({ color: Colours[kind] });
    this.lines = new THREE.LineSegments(new THREE.BufferGeometry(), new THREE.LineBasicMaterial({ color: Colours[kind] }));
    this.lines.frustumCulled = false;
    this.group.add(this.lines);
    this.joints = null;
    this.label = makeLabel(name, kind);
    this.group.add(this.label);
    this.bones = [];
    parent.add(this.group);
  }

  setBones(bones) {
    this.bones = bones;
    if (!this.joints || this.joints.count !== bones.length) {
      if (this.joints) {
        this.group.remove(this.joints);
        this.joints.dispose();
      }
      this.joints = new THREE.InstancedMesh(new THREE.SphereGeometry(JointRadius, 8, 6), this.material, bones.length);
      this.joints.frustumCulled = false;
      this.group.add(this.joints);
    }
    const segments = [];
    const matrix = new THREE.Matrix4();
    let top = -Infinity;
    bones.forEach((bone, index) => {
      const [x, y, z] = bone.p;
      matrix.makeTranslation(x, y, z);
      this.joints.setMatrixAt(index, matrix);
      top = Math.max(top, z);
      const parent = bones[bone.parent];
      if (parent && (this.linkRoot || parent.parent >= 0)) {
        segments.push(...bones[bone.parent].p, x, y, z);
      }
    });
    this.joints.instanceMatrix.needsUpdate = true;
    const positions = this.lines.geometry.getAttribute('position');
    if (positions && positions.array.length === segments.length) {
      positions.array.set(segments);
      positions.needsUpdate = true;
    } else {
      this.lines.geometry.setAttribute('position', new THREE.Float32BufferAttribute(segments, 3));
    }
    const hips = bones[0] ? bones[0].p : [0, 0, 0];
    this.label.position.set(hips[0], hips[1], (bones.length ? top : 0) + LabelHeight);
    this.group.visible = bones.length > 0;
  }

  /** A joint's position in the scene (world space), or null. */
  jointPosition(boneName) {
    const index = this.bones.findIndex((bone) => bone.name === boneName);
    if (index < 0 || !this.joints) return null;
    const matrix = new THREE.Matrix4();
    this.joints.getMatrixAt(index, matrix);
    this.group.updateMatrixWorld(true);
    return new THREE.Vector3().setFromMatrixPosition(matrix).applyMatrix4(this.group.matrixWorld).toArray();
  }

  dispose() {
    this.group.removeFromParent();
    this.label.element.remove();
    this.lines.geometry.dispose();
    if (this.joints) this.joints.dispose();
  }
}

/**
 * A preview mesh's vertices as points that follow the pose. The host's meshes carry no skin
 * weights, so each vertex rides rigidly on the bone whose rest segment (from its joint to a
 * child's joint) passes nearest to it.
 */
class PreviewMeshView {
  constructor(mesh, parent) {
    const rest = mesh.restBones;
    this.owner = [];
    this.local = [];
    const vertex = new THREE.Vector3();
    const inverse = new THREE.Quaternion();
    for (let i = 0; i < mesh.vertices.length; i += 3) {
      vertex.fromArray(mesh.vertices, i);
      const owner = PreviewMeshView.nearestBone(rest, vertex);
      this.owner.push(owner);
      inverse.set(...rest[owner].q).invert();
      this.local.push(vertex.clone().sub(new THREE.Vector3(...rest[owner].p)).applyQuaternion(inverse));
    }
    this.geometry = new THREE.BufferGeometry();
    this.geometry.setAttribute('position', new THREE.Float32BufferAttribute(mesh.vertices, 3));
    this.points = new THREE.Points(this.geometry, new THREE.PointsMaterial({ color: Colours.target, size: 2.5, sizeAttenuation: true }));
    this.points.frustumCulled = false;
    parent.add(this.points);
  }

  static nearestBone(rest, vertex) {
    let best = 0;
    let bestDistance = Infinity;
    const line = new THREE.Line3();
    const closest = new THREE.Vector3();
    rest.forEach((bone) => {
      // The root bone sits on the floor; its line to the hips is no part of the body.
      if (bone.parent < 0 || rest[bone.parent].parent < 0) return;
      line.set(new THREE.Vector3(...rest[bone.parent].p), new THREE.Vector3(...bone.p));
      const distance = line.closestPointToPoint(vertex, true, closest).distanceToSquared(vertex);
      if (distance < bestDistance) {
        bestDistance = distance;
        best = bone.parent;
      }
    });
    return best;
  }

  setBones(bones) {
    const positions = this.geometry.getAttribute('position');
    const moved = new THREE.Vector3();
    const rotation = new THREE.Quaternion();
    this.local.forEach((local, index) => {
      const bone = bones[this.owner[index]];
      if (!bone) return;
      rotation.set(...bone.q);
      moved.copy(local).applyQuaternion(rotation).add(new THREE.Vector3(...bone.p));
      positions.setXYZ(index, moved.x, moved.y, moved.z);
    });
    positions.needsUpdate = true;
  }

  dispose() {
    this.points.removeFromParent();
    this.geometry.dispose();
  }
}

/** A box of size, or a sphere of diameter size[1], translucent with its edges drawn. */
class ShapeView {
  constructor(kind, parent) {
    this.kind = kind;
    this.parent = parent;
    this.shape = null;
    this.object = null;
  }

  set(shape) {
    if (shape.shape !== this.shape) {
      this.dispose();
      const geometry = shape.shape === 'sphere' ? new THREE.SphereGeometry(0.5, 24, 16) : new THREE.BoxGeometry(1, 1, 1);
      this.object = new THREE.Mesh(geometry, new THREE.MeshStandardMaterial({ color: Colours[this.kind], transparent: true, opacity: 0.45 }));
      this.object.add(new THREE.LineSegments(new THREE.EdgesGeometry(geometry), new THREE.LineBasicMaterial({ color: Colours[this.kind] })));
      this.parent.add(this.object);
      this.shape = shape.shape;
    }
    setPose(this.object, shape.p, shape.q);
    const [x, y, z] = shape.size;
    if (shape.shape === 'sphere') this.object.scale.setScalar(Math.max(y, 0.01));
    else this.object.scale.set(Math.max(x, 0.01), Math.max(y, 0.01), Math.max(z, 0.01));
  }

  dispose() {
    if (this.object) this.object.removeFromParent();
    this.object = null;
    this.shape = null;
  }
}

/** A level actor: a marker where it stands, its name, and the shapes it draws. */
class ActorView {
  constructor(label, parent) {
    this.group = new THREE.Group();
    this.marker = new THREE.Mesh(new THREE.OctahedronGeometry(4), new THREE.MeshBasicMaterial({ color: Colours.actor, wireframe: true }));
    this.marker.add(new THREE.AxesHelper(12));
    this.label = makeLabel(label, 'actor');
    this.label.position.set(0, 0, 14);
    this.marker.add(this.label);
    this.group.add(this.marker);
    this.shapes = [];
    parent.add(this.group);
  }

  set(actor) {
    setPose(this.marker, actor.p, actor.q);
    while (this.shapes.length > actor.shapes.length) this.shapes.pop().dispose();
    while (this.shapes.length < actor.shapes.length) this.shapes.push(new ShapeView('actor', this.group));
    actor.shapes.forEach((shape, index) => this.shapes[index].set(shape));
  }

  dispose() {
    this.group.removeFromParent();
    this.label.element.remove();
  }
}

/** Keeps one view per key of items: makes new ones, updates them, removes those that went away. */
function syncViews(views, items, keyOf, make, update) {
  const seen = new Set();
  items.forEach((item, index) => {
    const key = keyOf(item, index);
    seen.add(key);
    if (!views.has(key)) views.set(key, make(item, index));
    update(views.get(key), item, index);
  });
  for (const [key, view] of views) {
    if (!seen.has(key)) {
      view.dispose();
      views.delete(key);
    }
  }
}

export class ViewerScene {
  constructor(container) {
    this.container = container;
    this.renderer = new THREE.WebGLRenderer({ antialias: true, preserveDrawingBuffer: true });
    this.renderer.setPixelRatio(window.devicePixelRatio);
    this.renderer.setClearColor(0x15171c);
    container.appendChild(this.renderer.domElement);
    this.labels = new CSS2DRenderer();
    Object.assign(this.labels.domElement.style, { position: 'absolute', top: '0', left: '0', pointerEvents: 'none' });
    container.appendChild(this.labels.domElement);

    this.camera = new THREE.PerspectiveCamera(45, 1, 1, 50000);
    this.camera.position.set(-450, -450, 300);
    this.controls = new OrbitControls(this.camera, this.renderer.domElement);
    this.controls.target.set(0, 0, 90);
    this.controls.addEventListener('change', () => this.requestRender());

    this.world = new THREE.Scene();
    this.world.add(new THREE.HemisphereLight(0xffffff, 0x404040, 2.5));
    const grid = new THREE.GridHelper(2000, 40, 0x555b66, 0x2c3039);
    grid.rotation.x = Math.PI / 2;
    this.world.add(grid);
    this.world.add(new THREE.AxesHelper(50));
    this.content = new THREE.Group();
    this.world.add(this.content);
    this.targetLayer = new THREE.Group();
    this.targetLayer.position.copy(SideBySideOffset);
    this.content.add(this.targetLayer);

    this.streams = new Map();
    this.targets = new Map();
    this.meshes = new Map();
    this.props = new Map();
    this.actors = new Map();
    this.framings = 0;
    this.nextFraming = 0;

    new ResizeObserver(() => this.resize()).observe(container);
    this.resize();
  }

  update(state) {
    const subjectKey = (subject) => `${subject.source}/${subject.name}`;
    const skeletons = state.subjects.filter((subject) => !subject.prop);
    syncViews(this.streams, skeletons, subjectKey,
      (subject) => Object.assign(new SkeletonView('stream', subject.name, this.content), { owner: subject.name }),
      (view, subject) => view.setBones(subject.bones));
    syncViews(this.props, state.subjects.filter((subject) => subject.prop), subjectKey,
      (subject) => Object.assign(new ShapeView('prop', this.content), { label: this.addLabel(subject.name, 'prop') }),
      (view, subject) => {
        view.set(subject.prop);
        view.label.position.set(subject.prop.p[0], subject.prop.p[1], subject.prop.p[2] + subject.prop.size[2] / 2 + 10);
      });
    const targetKey = (target, index) => `${index}/${target.subject}/${target.asset}`;
    syncViews(this.targets, state.targets, targetKey,
      (target) => Object.assign(new SkeletonView('target', `${target.subject} → ${target.asset.split('/').pop().split('.')[0]}`,
        this.targetLayer), { owner: target.subject }),
      (view, target) => view.setBones(target.bones));
    syncViews(this.meshes, state.targets.filter((target) => target.previewMesh), targetKey,
      (target) => this.loadPreviewMesh(state.targets.indexOf(target)),
      (view, target) => view.setBones(target.bones));
    syncViews(this.actors, state.actors, (actor, index) => `${index}/${actor.label}`,
      (actor) => new ActorView(actor.label, this.content), (view, actor) => view.set(actor));
    // Framed when the first things show, and once more a second later, when the props and the
    // actors that follow them have moved to where they are; from then on the camera is the user's.
    const hasContent = skeletons.some((subject) => subject.bones.length) || state.actors.length;
    if (hasContent && this.framings < 2 && state.time >= this.nextFraming) {
      this.framings += 1;
      this.nextFraming = state.time + 1;
      this.frameAll();
    }
    this.requestRender();
  }

  addLabel(text, kind) {
    const label = makeLabel(text, kind);
    this.content.add(label);
    return label;
  }

  /** A preview mesh view that draws nothing until the mesh has been fetched. */
  loadPreviewMesh(index) {
    const holder = { view: null, bones: null, disposed: false };
    fetch(`/api/preview-mesh?target=${index}`)
      .then((response) => (response.ok ? response.json() : null))
      .then((mesh) => {
        if (!mesh || holder.disposed) return;
        holder.view = new PreviewMeshView(mesh, this.targetLayer);
        if (holder.bones) holder.view.setBones(holder.bones);
      })
      .catch(() => {});
    return {
      setBones(bones) {
        holder.bones = bones;
        if (holder.view && bones.length) holder.view.setBones(bones);
      },
      dispose() {
        holder.disposed = true;
        if (holder.view) holder.view.dispose();
      },
    };
  }

  setSideBySide(enabled) {
    this.targetLayer.position.copy(enabled ? SideBySideOffset : new THREE.Vector3());
    this.requestRender();
  }

  frameAll() {
    this.content.updateMatrixWorld(true);
    const box = new THREE.Box3();
    const point = new THREE.Vector3();
    for (const view of [...this.streams.values(), ...this.targets.values()]) {
      for (const bone of view.bones) box.expandByPoint(point.fromArray(bone.p).applyMatrix4(view.group.matrixWorld));
    }
    for (const view of [...this.props.values()]) if (view.object) box.expandByObject(view.object);
    for (const view of this.actors.values()) box.expandByObject(view.group);
    if (box.isEmpty()) box.set(new THREE.Vector3(-100, -100, 0), new THREE.Vector3(100, 100, 180));
    const centre = box.getCenter(new THREE.Vector3());
    const size = box.getSize(new THREE.Vector3());
    const radius = Math.max(size.x, size.y, size.z, 200) * 0.6;
    const distance = radius / Math.tan(THREE.MathUtils.degToRad(this.camera.fov / 2));
    const direction = new THREE.Vector3(-1, -1.2, 0.7).normalize();
    this.camera.position.copy(centre).addScaledVector(direction, distance);
    this.controls.target.copy(centre);
    this.controls.update();
    this.requestRender();
  }

  /** How many of each kind the scene draws now. */
  counts() {
    const drawn = (views) => [...views.values()].filter((view) => view.bones.length).length;
    return { skeletons: drawn(this.streams), targets: drawn(this.targets), props: this.props.size, actors: this.actors.size };
  }

  /**
   * Where a joint is drawn, in the scene's (world) coordinates: kind 'stream' with the subject's
   * name, or 'target' with the animated subject's name; null when there is no such joint.
   */
  jointPosition(kind, owner, bone) {
    const views = kind === 'stream' ? this.streams : this.targets;
    for (const view of views.values()) {
      if (view.owner === owner) return view.jointPosition(bone);
    }
    return null;
  }

  resize() {
    const { clientWidth: width, clientHeight: height } = this.container;
    this.renderer.setSize(width, height);
    this.labels.setSize(width, height);
    this.camera.aspect = width / Math.max(height, 1);
    this.camera.updateProjectionMatrix();
    this.requestRender();
  }

  requestRender() {
    if (this.renderPending) return;
    this.renderPending = true;
    requestAnimationFrame(() => {
      this.renderPending = false;
      this.renderer.render(this.world, this.camera);
      this.labels.render(this.world, this.camera);
    });
  }
}
